#include "ClearCheckOut.h"

#include "CheckOutDocs.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunView.h"
#include "gw/ObjectModel.h"

namespace tw {

ClearCheckOut::ClearCheckOut(RunServices services) : m_services(std::move(services)) { }

RunDefinition ClearCheckOut::definition(const RunState& state)
{
    MaintTexts texts;
    texts.modeLog = QStringLiteral("Clearing Check Out Flags");
    texts.modeStatus = QStringLiteral("Clear Check Out Flags");
    texts.reportName = QStringLiteral("ClearChk.rpt");
    texts.initialisedTitle = QStringLiteral(" Clear Check Out Flags Report File - Initialised at ");
    texts.runHeadPrefix = QStringLiteral("Clear Check Out Flags Report on Library ");
    texts.queryLinePrefix = QStringLiteral("Clear Check Out Flags Query on Library ");
    texts.columnHeader = QStringLiteral("Old Check Out Status\tOld Checked Out File\tDoc. Number\tDoc. Version");
    texts.cancelText = QStringLiteral("Cancelling Clear Check Out Flags - Successful = ");
    texts.completionText = QStringLiteral("Clear Check Out Flags Completed - Successful = ");
    texts.finalStatus = QStringLiteral("Clear Check Out Flags Completed");
    RunDefinition d = maintDefinition(texts, state);
    d.changesLibrary = true;
    return d;
}

std::optional<RunOutcome> ClearCheckOut::BCOClearClick(const MaintInputs& inputs)
{
    OperationLog& log = m_services.log;
    log.ErrorCheck(QString(), false, true);
    log.ErrorCheck(QStringLiteral("Starting Clear Check Out"), true, true);
    log.ErrorCheck(QString(), false, true);
    std::optional<RunOutcome> outcome;
    if (m_services.host.askYesNo(kProgramTitle, QStringLiteral("Absolutely Sure About This ?")))
        outcome = ClearCheckOutRun(inputs);
    // Also after No, which stops nothing.
    const ChangeGate gate(m_services.state);
    log.ErrorCheck(
        gate.closing(RunFrame::endText(QStringLiteral("Completed Clear Check Out"), outcome.value_or(RunOutcome {}))),
        true, true);
    return outcome;
}

const QString& ClearCheckOut::ownerName()
{
    // Read once for the run: the account's owner does not change while it goes.
    if (!m_owner)
        m_owner = m_services.refs.account->Owner()->DisplayName();
    return *m_owner;
}

RunOutcome ClearCheckOut::ClearCheckOutRun(const MaintInputs& inputs)
{
    RunDefinition d = definition(m_services.state);
    const QString directory = inputs.checkOutDirectory;
    m_owner.reset();
    d.versionWork = [this, directory](RunReport& report) { return clearVersion(directory, report.gate()); };
    RunInputs runInputs = inputs.run;
    runInputs.listEntries = nullptr;
    return RunFrame(m_services).run(d, runInputs);
}

RunDefinition::Outcome ClearCheckOut::clearVersion(const QString& directory, const ChangeGate& gate)
{
    GwRefs& refs = m_services.refs;
    gw::Version& version = *refs.currentVersion;
    const qint64 d = refs.currentDocument->DocumentNumber();
    const int v = version.VersionNumber();
    QString shown = CheckOutDocs::fileName(directory, d, v, version.OriginalFileType());
    m_services.view.setOutput(shown);
    const QString which
        = QStringLiteral("Document ") + QString::number(d) + QStringLiteral(" Version ") + QString::number(v);
    OperationLog& log = m_services.log;
    RunDefinition::Outcome outcome;
    try {
        if (!version.CheckedOut()) {
            outcome.line = QStringLiteral("Not Checked Out\t");
        } else if (version.Retriever()->DisplayName() != ownerName()) {
            outcome.line = QStringLiteral("Not Valid User\t");
        } else {
            shown = version.StagedFileName();
            m_services.view.setOutput(shown);
            if (checkIn(version, gate)) {
                outcome = {RunDefinition::Count::Success, QStringLiteral("Success\t")};
                log.ErrorCheck(gate.outcome(QStringLiteral("Successfully Cleared Check Out for ") + which), true, true);
            } else {
                outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
                log.ErrorCheck(gate.outcome(QStringLiteral("Failed to Clear Check Out for ") + which), true, true);
            }
        }
    } catch (const gw::Error& error) {
        log.ErrorCheck(gate.outcome(QStringLiteral("Failed to Clear Check Out Flag for ") + which), true, true);
        outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
        if (error.storeUnavailable())
            outcome.storeUnavailable = error.message();
    }
    outcome.line += CheckOutDocs::reportColumns(shown, d, v);
    return outcome;
}

// True when the flag is cleared. A dry run stops at the gate, so its version is one the real run
// would check in: held by this user, everything read that the real run reads.
bool ClearCheckOut::checkIn(gw::Version& version, const ChangeGate& gate)
{
    if (!gate.mayChange())
        return true;
    version.CheckIn();
    return !version.CheckedOut();
}

} // namespace tw
