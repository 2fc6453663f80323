#include "ReporterPresenter.h"

#include "ReporterTab.h"
#include "core/reports/ReportDocs.h"
#include "gui/app/GuiHost.h"
#include "gui/app/TMainScreen.h"
#include "gui/query/QueryTab.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/runs/FieldMover.h"
#include "gui/runs/WindowRuns.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tw {

ReporterPresenter::ReporterPresenter(ReporterTab& tab, TMainScreen& screen)
    : QObject(&tab)
    , m_tab(tab)
    , m_screen(screen)
    , m_view(tab.ui().Label65, tab.ui().ProgressBar4, tab.ui().filesInProcess)
{
    const ReporterTab::Controls& ui = tab.ui();
    m_directory
        = new DirectoryFieldControl(ui.Edit23, ui.SpeedButton7, {ui.BReport},
                                    QStringLiteral("Selected Report Directory does not exist"), screen.host(), this);
    m_movers = new FieldMover(
        ui.ListBox3, ui.ListBox4, ui.SpeedButton10, ui.SpeedButton11, [this] { m_tab.ReportCalcPath(); }, this);
    connect(ui.BReport, &QPushButton::clicked, this, &ReporterPresenter::BReportClick);
}

void ReporterPresenter::BReportClick()
{
    m_screen.runOperation([this] { ReportDocs(); });
}

void ReporterPresenter::ReportDocs()
{
    const ReporterTab::Controls& ui = m_tab.ui();
    RunInputs inputs;
    inputs.useQuery = ui.criteria->useQuery();
    inputs.rangeLowText = m_screen.queryTab()->ui().MaskEdit1->text();
    inputs.rangeHighText = m_screen.queryTab()->ui().MaskEdit2->text();
    inputs.reportDirectory = ui.Edit23->text();
    for (int i = 0; i < ui.ListBox4->count(); ++i)
        inputs.extraFields.append(ui.ListBox4->item(i)->text());
    const RunOutcome outcome = tw::ReportDocs(WindowRuns::services(m_screen, m_view)).run(inputs);
    WindowRuns::showRange(m_screen, outcome);
}

} // namespace tw
