#pragma once

#include "gui/widgets/TabPage.h"

class QLineEdit;
class QListWidget;
class QSpinBox;
class QToolButton;
class QTreeWidget;

namespace tw {

class RadioGroup;

// The "Customise Fields" tab: derived fields FKW1, FKW2, ... cut from other fields.
class CustomFieldsTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QListWidget* ListBox5 = nullptr;
        QToolButton* SpeedButton14 = nullptr;
        QToolButton* SpeedButton15 = nullptr;
        QTreeWidget* ListView1 = nullptr;
        RadioGroup* RadioGroup3 = nullptr;
        QSpinBox* SpinEdit1 = nullptr;
        QLineEdit* Edit32 = nullptr;
    };

    explicit CustomFieldsTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // What the main window's creation sets: no excluded characters.
    void setStartState();

private:
    QLayout* buildCutControls();

    Controls m_ui;
};

} // namespace tw
