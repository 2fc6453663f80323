#include "FRightsDocs.h"

#include "RightsDefinition.h"
#include "RightsLines.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "core/lists/ResultSink.h"
#include "core/runs/ChangeGate.h"
#include "core/runs/RunFrame.h"
#include "gw/ObjectModel.h"

namespace tw {

FRightsDocs::FRightsDocs(RunServices services, ResultSink& list) : m_services(std::move(services)), m_list(list) { }

RunDefinition FRightsDocs::definition()
{
    RightsTexts texts;
    texts.modeLog = QStringLiteral("Full Rights Check Documents");
    texts.modeStatus = QStringLiteral("Full Rights Check");
    texts.reportName = QStringLiteral("FRights.rpt");
    texts.initialisedTitle = QStringLiteral(" Library Full Rights Check Report File - Initialised at ");
    texts.columnHeader = fullRightsHeader();
    texts.cancelText = QStringLiteral("Cancelling Rights Check Report of Documents");
    texts.completionText = QStringLiteral("Rights Check Report of Documents Completed");
    texts.finalStatus = QStringLiteral("Rights Check Report Completed");
    return rightsDefinition(texts, RunDefinition::Unit::Document);
}

RunOutcome FRightsDocs::FRightsDocsRun(const RunInputs& inputs, const Options& options)
{
    RunDefinition d = definition();
    // A report alone changes nothing; only the removal of denies makes it a run that changes the library.
    d.changesLibrary = options.removeDenies;
    d.beforeWalk = [this] { m_list.clearRows(); };
    d.documentWork = [this, options](RunReport& report) {
        return rightsWork(m_services.log, report, [&] { return reportDocument(options, report); });
    };
    return RunFrame(m_services).run(d, inputs);
}

RunDefinition::Outcome FRightsDocs::reportDocument(const Options& options, RunReport& report)
{
    gw::Document& document = *m_services.refs.currentDocument;
    const qint64 counter = report.runCounter();
    m_services.log.ErrorCheck(QStringLiteral("Checking Document ") + QString::number(document.DocumentNumber()), true,
                              false);
    const std::optional<RightsLines> lines = RightsLines::read(document, counter, m_services.log);
    if (!lines)
        return {};
    const bool denied = writeEntries(document, *lines, report);
    if (denied && options.removeDenies)
        removeDenies(document, counter, options.automatic, report.gate());
    report.append(QString());
    return {};
}

// The creator's, the general and every sharing-list entry's lines, one write per holder.
// True when some entry is an explicit deny.
bool FRightsDocs::writeEntries(gw::Document& document, const RightsLines& lines, RunReport& report)
{
    bool denied = false;
    try {
        report.appendLines(
            lines.levelLines(QStringLiteral("Creator"), HolderRights::of(*document.AuthorCreatorRights())));
        report.appendLines(lines.levelLines(QStringLiteral("Default"), HolderRights::of(*document.DefaultRights())));
        const auto list = document.AdditionalRights();
        for (int i = 1, count = list->Count(); i <= count; ++i) {
            const auto entry = list->Item(i);
            denied = denied || entry->RevokeAllRights();
            report.appendLines(lines.levelLines(entry->User()->DisplayName(), HolderRights::ofEntry(*entry)));
        }
    } catch (const gw::Error& error) {
        // The block keeps what was read; the next document is reported as usual.
        m_services.log.ErrorCheck(QStringLiteral("Error: Cannot Read Rights of Document ")
                                      + QString::number(document.DocumentNumber()) + QStringLiteral(" (")
                                      + error.message() + QLatin1Char(')'),
                                  true, true);
    }
    return denied;
}

void FRightsDocs::removeDenies(gw::Document& document, qint64 counter, bool automatic, const ChangeGate& gate)
{
    const QString question = QStringLiteral("Remove Any Explicit Deny Rights from Document ")
        + paddedNumber(document.DocumentNumber()) + QStringLiteral(" ?");
    if (!automatic && !m_services.host.askOkCancel(QStringLiteral("Explicit Deny Rights Removal"), question))
        return;
    // A pass repeats while the one before found an explicit deny (a failure counts as found),
    // but not for ever.
    for (int pass = 1; pass <= kRemovalPasses; ++pass) {
        if (!removalPass(document, counter, gate))
            return;
    }
    m_services.log.ErrorCheck(QStringLiteral("Document ") + QString::number(counter)
                                  + QStringLiteral(" Explicit Deny Rights still found after ")
                                  + QString::number(kRemovalPasses) + QStringLiteral(" removal passes"),
                              true, true);
}

// One pass from the last entry to the first; true when it found an explicit deny. The pass is
// one change of the document: an entry read as a deny is still one when it is deleted, and a
// program removing the same denies meanwhile waits for this pass and then finds them gone. Its
// log lines wait until the change is kept; a pass undone tells only of its failure. A dry run makes
// the first pass as the real run does and drops its change where the real run keeps it; it stops
// there, since every pass after it would find the same denies again.
bool FRightsDocs::removalPass(gw::Document& document, qint64 counter, const ChangeGate& gate)
{
    const QString failure = QStringLiteral("Document ") + QString::number(counter)
        + QStringLiteral(" Error Removing Explicit Deny Rights");
    QStringList lines;
    bool found = false;
    try {
        const auto change = document.BeginChange();
        if (document.Subject().isEmpty())
            document.setSubject(QStringLiteral("Unknown Subject"));
        document.Refresh();
        const auto list = document.AdditionalRights();
        for (int i = list->Count(); i >= 1; --i) {
            try {
                const auto entry = list->Item(i);
                if (!entry->RevokeAllRights())
                    continue;
                found = true;
                const QString name = entry->User()->DisplayName();
                // Deleted as it stands: a deny cleared first would become a grant of its stored
                // masks when the delete fails or the program stops between the two calls.
                entry->Delete();
                lines << QStringLiteral("Document ") + QString::number(counter)
                        + QStringLiteral(" Explicit Deny Rights removed for ") + name;
            } catch (const gw::Error&) {
                lines << failure;
                found = true;
            }
        }
        if (gate.mayChange())
            change->Commit();
    } catch (const gw::Error&) {
        lines = QStringList {failure};
        found = true;
    }
    for (const QString& line : lines)
        m_services.log.ErrorCheck(gate.outcome(line), true, true);
    return found && gate.mayChange();
}

} // namespace tw
