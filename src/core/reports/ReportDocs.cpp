#include "ReportDocs.h"

#include "core/app/GwRefs.h"
#include "core/runs/RunFrame.h"
#include "gw/ObjectModel.h"

namespace tw {

ReportDocs::ReportDocs(RunServices services) : m_services(std::move(services)) { }

RunDefinition ReportDocs::definition()
{
    RunDefinition d;
    d.setModeTexts(QStringLiteral("Reporting Documents"), QStringLiteral("Report"));
    d.reportName = QStringLiteral("Library.rpt");
    d.initialisedTitle = QStringLiteral(" Library Report File - Initialised at ");
    d.runHeadPrefix = QStringLiteral("Report on Library ");
    d.headAfterStart = [](RunMode) { return QStringList {QString(), QString()}; };
    d.customFieldColumns = true;
    // With no field chosen the header still ends with the TAB after "Doc. Version".
    d.columnHeader = [](const QStringList& fields) -> QString {
        return QStringLiteral("Doc. Number\tDoc. Version\t") + fields.join(QLatin1Char('\t'));
    };
    d.unit = RunDefinition::Unit::Version;
    d.countedPer = RunDefinition::CountedPer::Document;
    d.unavailableCounts = RunDefinition::Count::Failure;
    d.showLineAsOutput = true;
    d.cancelText = QStringLiteral("Cancelling Report of Documents - Successful = ");
    d.completionText = [](bool) { return QStringLiteral("Report of Documents Completed - Successful = "); };
    d.finalStatus = QStringLiteral("Report Completed");
    return d;
}

RunOutcome ReportDocs::run(const RunInputs& inputs)
{
    RunDefinition d = definition();
    GwRefs& refs = m_services.refs;
    d.versionWork = [&refs](RunReport&) {
        // The line is built from the displayed numbers; the frame appends the field columns.
        return RunDefinition::Outcome {RunDefinition::Count::Neither,
                                       QString::number(refs.currentDocument->DocumentNumber()) + QLatin1Char('\t')
                                           + QString::number(refs.currentVersion->VersionNumber())};
    };
    RunInputs reportInputs = inputs;
    reportInputs.listEntries = nullptr;
    return RunFrame(m_services).run(d, reportInputs);
}

} // namespace tw
