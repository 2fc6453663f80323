#pragma once

#include "core/app/LibraryView.h"

#include <QDialog>
#include <QList>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tw {

// "Additional Field Query Screen": the selected library's text and number
// fields, each with the operator and search text its query term uses. A row
// is opened by a double click, changed with "Save", emptied with "Clear".
class TAddFldScreen : public QDialog
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* Edit1 = nullptr;
        QComboBox* ComboBox1 = nullptr;
        QLineEdit* Edit2 = nullptr;
        QTreeWidget* LV_AddFields = nullptr;
        QPushButton* BClear = nullptr;
        QPushButton* BSave = nullptr;
        QPushButton* BClose = nullptr;
    };

    explicit TAddFldScreen(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    void setRows(const QList<AdditionalFieldRow>& rows);
    const QList<AdditionalFieldRow>& rows() const { return m_rows; }

    void FormCreate();
    void LV_AddFieldsDblClick();
    void BSaveClick();
    void BClearClick();
    void BCloseClick();

private:
    int selectedRow() const;
    void showRow(int index);

    Controls m_ui;
    QList<AdditionalFieldRow> m_rows;
    QStringList m_numberOperators;
    QStringList m_textOperators;
};

} // namespace tw
