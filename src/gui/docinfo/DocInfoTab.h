#pragma once

#include "gui/widgets/TabPage.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace tw {

// The "DocInfo" tab: the details of one document and its versions.
class DocInfoTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit1 = nullptr;
        QPushButton* Button1 = nullptr;
        QComboBox* ComboB_Vers = nullptr;
        QLabel* LVersCount = nullptr;
        QCheckBox* CB_Official = nullptr;
        QCheckBox* CB_Current = nullptr;
        QLabel* LDocAuthor = nullptr;
        QLabel* LDocCreator = nullptr;
        QLabel* LDocStatus = nullptr;
        QLabel* LDocSubject = nullptr;
        QLabel* LLastModOn = nullptr;
        QLabel* LLastModBy = nullptr;
        QLabel* LVersionNumber = nullptr;
        QLabel* LStagedFile = nullptr;
        QLabel* LFileExt = nullptr;
        QLabel* LFileSize = nullptr;
        QLabel* LDocType = nullptr;
    };

    explicit DocInfoTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties every value line and the version count, empties the version
    // selector and unticks "Official" and "Current".
    void DocInfoClear();
    // What the main window's creation sets: no document number, a clear tab.
    void setStartState();

private:
    void buildValueLines();

    Controls m_ui;
};

} // namespace tw
