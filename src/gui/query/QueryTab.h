#pragma once

#include "core/app/LibraryView.h"
#include "gui/widgets/TabPage.h"

#include <QList>

class QComboBox;
class QGridLayout;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

namespace tw {

// The "Query" tab: the fields from which the query expression is built, and
// the read-only "Query String" box that shows the expression.
class QueryTab : public TabPage
{
    Q_OBJECT
public:
    struct Controls
    {
        QLineEdit* MaskEdit1 = nullptr;
        QLineEdit* MaskEdit2 = nullptr;
        QLineEdit* Edit2 = nullptr;
        QComboBox* ComboB_DocTypes = nullptr;
        QLineEdit* Edit3 = nullptr;
        QToolButton* GWab1 = nullptr;
        QLineEdit* Edit4 = nullptr;
        QToolButton* GWab2 = nullptr;
        QLineEdit* Edit5 = nullptr;
        QToolButton* SpeedButton1 = nullptr;
        QLineEdit* Edit6 = nullptr;
        QToolButton* SpeedButton2 = nullptr;
        QLineEdit* Edit7 = nullptr;
        QToolButton* SpeedButton3 = nullptr;
        QLineEdit* Edit8 = nullptr;
        QToolButton* SpeedButton4 = nullptr;
        QLineEdit* Edit9 = nullptr;
        QComboBox* ComboB_Size = nullptr;
        QLineEdit* Edit34 = nullptr;
        QPushButton* BAddFields = nullptr;
        QPlainTextEdit* Memo1 = nullptr;
    };

    explicit QueryTab(QWidget* parent = nullptr);
    const Controls& ui() const { return m_ui; }

    // Empties the fields, shows the bare "DOCREFERENCE", selects "=" as the
    // size condition and removes the document type selection. The additional
    // field rows are not touched.
    void QueryInfoClear();

    // The selected library's text and numeric fields for the additional field
    // dialog, with their operators and search texts; they live as long as the library.
    void setAdditionalFields(const QList<AdditionalFieldRow>& rows) { m_additionalFields = rows; }
    const QList<AdditionalFieldRow>& additionalFields() const { return m_additionalFields; }

private:
    void buildFields(QGridLayout* grid);
    void buildDateRow(QGridLayout* grid, int row, const QString& caption, int first);

    Controls m_ui;
    QList<AdditionalFieldRow> m_additionalFields;
};

} // namespace tw
