#include "ReporterPresenter.h"

#include "ReporterTab.h"
#include "core/reports/ReportDocs.h"
#include "gui/host/GuiHost.h"
#include "gui/runs/DirectoryFieldControl.h"
#include "gui/runs/FieldMover.h"
#include "gui/widgets/SearchCriteriaPanel.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace tw {

ReporterPresenter::ReporterPresenter(ReporterTab& tab, RunTabContext context)
    : QObject(&tab)
    , m_tab(tab)
    , m_context(std::move(context))
    , m_view(tab.ui().Label65, tab.ui().ProgressBar4, tab.ui().filesInProcess, m_context.host().display())
{
    const ReporterTab::Controls& ui = tab.ui();
    m_directory
        = new DirectoryFieldControl(ui.Edit23, ui.SpeedButton7, {ui.BReport},
                                    QStringLiteral("Selected Report Directory does not exist"), m_context.host(), this);
    m_movers = new FieldMover(
        ui.ListBox3, ui.ListBox4, ui.SpeedButton10, ui.SpeedButton11, [this] { m_tab.ReportCalcPath(); }, this);
    connect(ui.BReport, &QPushButton::clicked, this, &ReporterPresenter::BReportClick);
}

void ReporterPresenter::BReportClick()
{
    m_context.runOperation([this] { ReportDocs(); });
}

void ReporterPresenter::ReportDocs()
{
    const ReporterTab::Controls& ui = m_tab.ui();
    const RunInputs inputs = m_context.inputs(*ui.criteria, ui.Edit23->text());
    const RunOutcome outcome = tw::ReportDocs(m_context.services(m_view)).run(inputs);
    m_context.showRange(outcome);
}

} // namespace tw
