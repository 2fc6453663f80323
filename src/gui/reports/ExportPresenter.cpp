#include "ExportPresenter.h"

#include "ExportTab.h"
#include "TOptionsSc.h"
#include "core/app/OptionMarks.h"
#include "core/reports/ExportDocs.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/runs/FieldMover.h"
#include "gui/widgets/RadioGroup.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tw {

namespace {
QStringList itemsOf(const QListWidget* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items.append(list->item(i)->text());
    return items;
}
} // namespace

ExportPresenter::ExportPresenter(ExportTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_view(tab.ui().Label60, tab.ui().ProgressBar1, tab.ui().filesInProcess, m_context.host().display())
{
    const ExportTab::Controls& ui = tab.ui();
    m_directory = new DirectoryFieldControl(ui.EDocOutputDir, ui.SpdBOPDir, {ui.BExport},
                                            QStringLiteral("Selected Top Export Directory does not exist"),
                                            m_context.host(), this);
    m_movers = new FieldMover(
        ui.ListBox1, ui.ListBox2, ui.SpeedButton8, ui.SpeedButton9, [this] { m_tab.ExportCalcPath(); }, this);
    connect(ui.CBText, &QCheckBox::clicked, this, &ExportPresenter::CBTextClick);
    connect(ui.BExport, &QPushButton::clicked, this, &ExportPresenter::BExportClick);
}

void ExportPresenter::CBTextClick()
{
    // The list names documents, not query hits: it always exports every version of each.
    RadioGroup* group = m_tab.ui().criteria->radioGroup();
    if (m_tab.ui().CBText->isChecked()) {
        group->setItemIndex(1);
        m_tab.ui().criteria->RadioGroupClick();
    }
    group->setEnabled(!m_tab.ui().CBText->isChecked());
}

void ExportPresenter::BExportClick()
{
    // The options dialog's own event loop runs inside the operation too.
    m_context.runOperation([this] {
        ExportOptions options = menuOptions();
        const bool confirmed = TOptionsSc::check(options, m_context.host().prompts(), m_tab.window());
        setMenuOptions(options);
        if (confirmed)
            ExportDocs(options);
    });
}

ExportOptions ExportPresenter::menuOptions() const
{
    const OptionMarks& marks = m_context.options();
    ExportOptions options;
    options.UseUserID = marks.isChecked(OptionMarks::Option::UseUserID);
    options.ShortFilename = marks.isChecked(OptionMarks::Option::ShortFilename);
    options.JolietCompatible = marks.isChecked(OptionMarks::Option::JolietCompatible);
    options.CleanFileName = marks.isChecked(OptionMarks::Option::CleanFileName);
    return options;
}

void ExportPresenter::setMenuOptions(const ExportOptions& options)
{
    OptionMarks& marks = m_context.options();
    marks.setChecked(OptionMarks::Option::UseUserID, options.UseUserID);
    marks.setChecked(OptionMarks::Option::ShortFilename, options.ShortFilename);
    marks.setChecked(OptionMarks::Option::JolietCompatible, options.JolietCompatible);
    marks.setChecked(OptionMarks::Option::CleanFileName, options.CleanFileName);
}

void ExportPresenter::ExportDocs(const ExportOptions& options)
{
    const ExportTab::Controls& ui = m_tab.ui();
    ExportInputs inputs;
    inputs.run = m_context.inputs(*ui.criteria, ui.EDocOutputDir->text());
    inputs.folderFields = itemsOf(ui.ListBox2);
    inputs.options = options;
    inputs.useExportList = ui.CBText->isChecked();
    inputs.programDirectory = m_context.programDirectory();
    const RunOutcome outcome = tw::ExportDocs(m_context.services(m_view)).run(inputs);
    m_context.showRange(outcome);
}

} // namespace tw
