#include "ExportPresenter.h"

#include "ExportTab.h"
#include "ReporterTab.h"
#include "TOptionsSc.h"
#include "core/app/ProgramIdentity.h"
#include "core/reports/ExportDocs.h"
#include "gui/app/GuiHost.h"
#include "gui/app/MainMenus.h"
#include "gui/app/TMainScreen.h"
#include "gui/query/QueryTab.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/runs/FieldMover.h"
#include "gui/runs/WindowRuns.h"
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

ExportPresenter::ExportPresenter(ExportTab& tab, TMainScreen& screen)
    : QObject(&tab)
    , m_tab(tab)
    , m_screen(screen)
    , m_view(tab.ui().Label60, tab.ui().ProgressBar1, tab.ui().filesInProcess)
{
    const ExportTab::Controls& ui = tab.ui();
    m_directory = new DirectoryFieldControl(ui.EDocOutputDir, ui.SpdBOPDir, {ui.BExport},
                                            QStringLiteral("Selected Top Export Directory does not exist"),
                                            screen.host(), this);
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
    if (!m_screen.OperationIdle())
        return;
    ExportOptions options = menuOptions();
    const bool confirmed = TOptionsSc::check(options, m_screen.host().prompts(), &m_screen);
    setMenuOptions(options);
    if (!confirmed)
        return;
    m_screen.runOperation([this, options] { ExportDocs(options); });
}

ExportOptions ExportPresenter::menuOptions() const
{
    const MainMenus::Actions& actions = m_screen.menus().actions();
    ExportOptions options;
    options.UseUserID = actions.UseUserID1->isChecked();
    options.ShortFilename = actions.ShortFilename1->isChecked();
    options.JolietCompatible = actions.JolietCompatible1->isChecked();
    options.CleanFileName = actions.CleanFileName1->isChecked();
    return options;
}

void ExportPresenter::setMenuOptions(const ExportOptions& options)
{
    const MainMenus::Actions& actions = m_screen.menus().actions();
    actions.UseUserID1->setChecked(options.UseUserID);
    actions.ShortFilename1->setChecked(options.ShortFilename);
    actions.JolietCompatible1->setChecked(options.JolietCompatible);
    actions.CleanFileName1->setChecked(options.CleanFileName);
}

void ExportPresenter::ExportDocs(const ExportOptions& options)
{
    const ExportTab::Controls& ui = m_tab.ui();
    ExportInputs inputs;
    inputs.run.useQuery = ui.criteria->useQuery();
    inputs.run.rangeLowText = m_screen.queryTab()->ui().MaskEdit1->text();
    inputs.run.rangeHighText = m_screen.queryTab()->ui().MaskEdit2->text();
    inputs.run.reportDirectory = ui.EDocOutputDir->text();
    inputs.run.extraFields = itemsOf(m_screen.reporterTab()->ui().ListBox4);
    inputs.folderFields = itemsOf(ui.ListBox2);
    inputs.options = options;
    inputs.useExportList = ui.CBText->isChecked();
    inputs.programDirectory = ProgramIdentity::withTrailingSeparator(m_screen.context().programDirectory);
    const RunOutcome outcome = tw::ExportDocs(WindowRuns::services(m_screen, m_view)).run(inputs);
    WindowRuns::showRange(m_screen, outcome);
}

} // namespace tw
