#include "QueryEditor.h"

#include "AddressBookPicker.h"
#include "QueryTab.h"
#include "TAddFldScreen.h"
#include "TDatePicker.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunState.h"
#include "core/query/AssembleQuery.h"
#include "core/query/QueryChecks.h"
#include "gui/host/GuiHost.h"
#include "gui/widgets/FieldExit.h"
#include "gw/Error.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>

namespace tw {

QueryEditor::QueryEditor(QueryTab& tab, RunState& state, GwRefs& refs, OperationLog& log, GuiHost& host,
                         Dialogs dialogs, std::function<qint64()> highestShown)
    : QObject(&tab)
    , m_tab(tab)
    , m_state(state)
    , m_refs(refs)
    , m_log(log)
    , m_host(host)
    , m_dialogs(dialogs)
    , m_highestShown(std::move(highestShown))
{
    connectHandlers();
}

void QueryEditor::connectHandlers()
{
    const QueryTab::Controls& ui = m_tab.ui();
    FieldExit::watch(ui.MaskEdit1, [this] { MaskEdit1Exit(); });
    FieldExit::watch(ui.MaskEdit2, [this] { MaskEdit2Exit(); });
    FieldExit::watch(ui.Edit5, [this] { Edit5Exit(); });
    FieldExit::watch(ui.Edit6, [this] { Edit6Exit(); });
    FieldExit::watch(ui.Edit7, [this] { Edit7Exit(); });
    FieldExit::watch(ui.Edit8, [this] { Edit8Exit(); });
    FieldExit::watch(ui.Edit34, [this] { Edit34Exit(); });
    for (QLineEdit* text : {ui.Edit2, ui.Edit3, ui.Edit4, ui.Edit9})
        FieldExit::watch(text, [this] { TextExit(); });
    FieldExit::watch(static_cast<QWidget*>(ui.ComboB_DocTypes), [this] { TextExit(); });
    connect(ui.SpeedButton1, &QToolButton::clicked, this, &QueryEditor::SpeedButton1Click);
    connect(ui.SpeedButton2, &QToolButton::clicked, this, &QueryEditor::SpeedButton2Click);
    connect(ui.SpeedButton3, &QToolButton::clicked, this, &QueryEditor::SpeedButton3Click);
    connect(ui.SpeedButton4, &QToolButton::clicked, this, &QueryEditor::SpeedButton4Click);
    connect(ui.GWab1, &QToolButton::clicked, this, &QueryEditor::GWab1OkClick);
    connect(ui.GWab2, &QToolButton::clicked, this, &QueryEditor::GWab2OkClick);
    connect(ui.BAddFields, &QPushButton::clicked, this, &QueryEditor::BAddFieldsClick);
}

QueryFields QueryEditor::fields() const
{
    const QueryTab::Controls& ui = m_tab.ui();
    QueryFields fields;
    fields.low = ui.MaskEdit1->text();
    fields.high = ui.MaskEdit2->text();
    fields.subject = ui.Edit2->text();
    fields.documentType = ui.ComboB_DocTypes->currentIndex() >= 0 ? ui.ComboB_DocTypes->currentText() : QString();
    fields.author = ui.Edit3->text();
    fields.creator = ui.Edit4->text();
    fields.createdFrom = ui.Edit5->text();
    fields.createdTo = ui.Edit6->text();
    fields.modifiedFrom = ui.Edit7->text();
    fields.modifiedTo = ui.Edit8->text();
    fields.extension = ui.Edit9->text();
    fields.sizeOperator = ui.ComboB_Size->currentText();
    fields.size = ui.Edit34->text();
    fields.additional = m_tab.additionalFields();
    return fields;
}

QString QueryEditor::AssembleQuery()
{
    const QString expression = tw::AssembleQuery(fields());
    m_state.QueryString = expression;
    m_tab.ui().Memo1->setPlainText(expression);
    return expression;
}

void QueryEditor::assembleAfterExit()
{
    try {
        AssembleQuery();
    } catch (const QueryFieldError& error) {
        m_log.ErrorCheck(error.message(), true, false);
    }
}

void QueryEditor::apply(QLineEdit* field, const FieldCheck& check)
{
    field->setText(check.text);
    if (!check.status.isEmpty())
        m_log.ErrorCheck(check.status, true, false);
    if (check.assemble)
        assembleAfterExit();
}

void QueryEditor::MaskEdit1Exit()
{
    const QueryTab::Controls& ui = m_tab.ui();
    apply(ui.MaskEdit1, checkLowBound(ui.MaskEdit1->text(), ui.MaskEdit2->text(), m_highestShown()));
}

void QueryEditor::MaskEdit2Exit()
{
    const QueryTab::Controls& ui = m_tab.ui();
    apply(ui.MaskEdit2, checkHighBound(ui.MaskEdit2->text(), ui.MaskEdit1->text()));
}

void QueryEditor::Edit34Exit()
{
    apply(m_tab.ui().Edit34, checkIntegerField(m_tab.ui().Edit34->text()));
}

void QueryEditor::dateExit(int edit)
{
    QLineEdit* field = dateEdit(edit);
    apply(field, checkDateField(field->text()));
}

void QueryEditor::TextExit()
{
    assembleAfterExit();
}

QLineEdit* QueryEditor::dateEdit(int edit) const
{
    const QueryTab::Controls& ui = m_tab.ui();
    QLineEdit* const edits[] = {ui.Edit5, ui.Edit6, ui.Edit7, ui.Edit8};
    return edits[edit - 5];
}

void QueryEditor::pickDate(int button)
{
    static const char* const titles[] = {"Select Created Start Date", "Select Created End Date",
                                         "Select Modified Start Date", "Select Modified End Date"};
    QLineEdit* field = dateEdit(button + 4);
    const std::optional<QDate> date
        = m_dialogs.datePicker->pick(QString::fromLatin1(titles[button - 1]), m_host.prompts());
    // A cancelled picker empties the field; the expression waits for the next rebuild.
    field->setText(date ? DateTimeText::formatDate(*date) : QString());
}

void QueryEditor::GWab1OkClick()
{
    pickAddress(QStringLiteral("Select Author from Address book"), m_tab.ui().Edit3);
}

void QueryEditor::GWab2OkClick()
{
    pickAddress(QStringLiteral("Select Creator from Address book"), m_tab.ui().Edit4);
}

void QueryEditor::pickAddress(const QString& title, QLineEdit* field)
{
    try {
        if (const std::optional<QString> entry = m_dialogs.addressBook->pick(title, m_refs.account, m_host.prompts()))
            field->setText(*entry);
    } catch (const gw::Error& error) {
        // Address books that cannot be read leave the field as it was.
        m_host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
}

void QueryEditor::BAddFieldsClick()
{
    TAddFldScreen& dialog = *m_dialogs.addFields;
    dialog.setRows(m_tab.additionalFields());
    dialog.exec();
    m_tab.setAdditionalFields(dialog.rows());
    assembleAfterExit();
}

} // namespace tw
