#include "LibReset.h"

#include "CheckOutDocs.h"
#include "EventWords.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/app/TabText.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunReport.h"
#include "core/runs/RunView.h"
#include "gw/ObjectModel.h"

namespace tw {

LibReset::LibReset(RunServices services) : m_services(std::move(services)) { }

RunDefinition LibReset::definition(const RunState& state)
{
    MaintTexts texts;
    texts.modeLog = QStringLiteral("Reset Library Report");
    texts.modeStatus = QStringLiteral("Reset Library Report");
    texts.reportName = QStringLiteral("ResetLib.rpt");
    texts.initialisedTitle = QStringLiteral(" Reset Library Report - Initialised at ");
    texts.runHeadPrefix = QStringLiteral("Reset Library Report on Library ");
    texts.queryLinePrefix = QStringLiteral("Reset Library Report Query on Library ");
    texts.columnHeader = QStringLiteral("Event Date\tEvent Type\tFile Name\tAccount");
    texts.cancelText = QStringLiteral("Cancelling Reset Library Report - Successful = ");
    texts.completionText = QStringLiteral("Reset Library Report Completed - Successful = ");
    texts.finalStatus = QStringLiteral("Reset Library Report Completed");
    return maintDefinition(texts, state);
}

std::optional<RunOutcome> LibReset::BLResetClick(const MaintInputs& inputs)
{
    OperationLog& log = m_services.log;
    log.ErrorCheck(QString(), false, true);
    log.ErrorCheck(QStringLiteral("Starting Library Reset"), true, true);
    log.ErrorCheck(QString(), false, true);
    std::optional<RunOutcome> outcome;
    if (m_services.host.askYesNo(kProgramTitle, QStringLiteral("Absolutely Sure About This ?")))
        outcome = LibResetRun(inputs);
    // Also after No, which stops nothing.
    log.ErrorCheck(RunFrame::endText(QStringLiteral("Completed Library Reset"), outcome.value_or(RunOutcome {})), true,
                   true);
    return outcome;
}

RunOutcome LibReset::LibResetRun(const MaintInputs& inputs)
{
    RunDefinition d = definition(m_services.state);
    const QString directory = inputs.checkOutDirectory;
    d.versionWork = [this, directory](RunReport& report) { return readVersion(directory, report); };
    RunInputs runInputs = inputs.run;
    runInputs.listEntries = nullptr;
    return RunFrame(m_services).run(d, runInputs);
}

RunDefinition::Outcome LibReset::readVersion(const QString& directory, RunReport& report)
{
    GwRefs& refs = m_services.refs;
    gw::Version& version = *refs.currentVersion;
    const qint64 d = refs.currentDocument->DocumentNumber();
    const int v = version.VersionNumber();
    m_services.view.setOutput(CheckOutDocs::fileName(directory, d, v, version.OriginalFileType()));
    const QString which
        = QStringLiteral("Document ") + QString::number(d) + QStringLiteral(" Version ") + QString::number(v);
    OperationLog& log = m_services.log;
    RunDefinition::Outcome outcome;
    try {
        const auto events = version.DocumentVersionEvents();
        const int count = events->Count();
        for (int i = 1; i <= count; ++i) {
            const auto event = events->Item(i);
            const QString file = event->FileName();
            const QString line = TabText::join({DateTimeText::format(event->CreationDate()),
                                                GetGWEventType(static_cast<unsigned int>(event->EventType())), file,
                                                event->User()->DisplayName()});
            m_services.view.setOutput(file);
            report.append(line);
            m_services.host.pumpEvents();
        }
        log.ErrorCheck(QStringLiteral("Read Activity Log for ") + which, true, true);
        outcome = {RunDefinition::Count::Success, QStringLiteral("Success\t")};
    } catch (const gw::Error&) {
        // The two blanks are the program's own.
        log.ErrorCheck(QStringLiteral("Failed to Read Activity Log  for ") + which, true, true);
        outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
    }
    outcome.line
        += QStringLiteral("Document ") + QString::number(d) + QStringLiteral("\tVersion ") + QString::number(v);
    outcome.emptyLineAfter = true;
    return outcome;
}

} // namespace tw
