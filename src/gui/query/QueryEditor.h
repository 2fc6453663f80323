#pragma once

#include "core/query/QueryFields.h"

#include <QObject>
#include <functional>

class QLineEdit;

namespace tw {

class AddressBookPicker;
class GuiHost;
class OperationLog;
class QueryTab;
class TAddFldScreen;
class TDatePicker;
struct FieldCheck;
struct GwRefs;
struct RunState;

// The Query tab's handlers: each field's check on leaving it, the expression
// rebuilt into QueryString and the "Query String" box, the date and
// address-book buttons and the "More Fields" dialog.
class QueryEditor : public QObject
{
    Q_OBJECT
public:
    struct Dialogs
    {
        TDatePicker* datePicker = nullptr;
        AddressBookPicker* addressBook = nullptr;
        TAddFldScreen* addFields = nullptr;
    };

    QueryEditor(QueryTab& tab, RunState& state, GwRefs& refs, OperationLog& log, GuiHost& host, Dialogs dialogs,
                std::function<qint64()> highestShown);

    // The tab's fields as the expression reads them.
    QueryFields fields() const;
    // Rebuilds QueryString and the box from the tab and returns it. A date
    // field that holds no date throws QueryFieldError and changes nothing.
    QString AssembleQuery();

    void MaskEdit1Exit();
    void MaskEdit2Exit();
    void Edit5Exit() { dateExit(5); }
    void Edit6Exit() { dateExit(6); }
    void Edit7Exit() { dateExit(7); }
    void Edit8Exit() { dateExit(8); }
    void Edit34Exit();
    // Edit2, ComboB_DocTypes, Edit3, Edit4 and Edit9 rebuild on every exit.
    void TextExit();

    void SpeedButton1Click() { pickDate(1); }
    void SpeedButton2Click() { pickDate(2); }
    void SpeedButton3Click() { pickDate(3); }
    void SpeedButton4Click() { pickDate(4); }
    void GWab1OkClick();
    void GWab2OkClick();
    void BAddFieldsClick();

private:
    void connectHandlers();
    void dateExit(int edit);
    void pickDate(int button);
    void pickAddress(const QString& title, QLineEdit* field);
    void apply(QLineEdit* field, const FieldCheck& check);
    // The rebuild that follows a field's exit: a date that is not a date is
    // reported on the status bar and leaves the expression as it was.
    void assembleAfterExit();
    QLineEdit* dateEdit(int edit) const;

    QueryTab& m_tab;
    RunState& m_state;
    GwRefs& m_refs;
    OperationLog& m_log;
    GuiHost& m_host;
    Dialogs m_dialogs;
    std::function<qint64()> m_highestShown;
};

} // namespace tw
