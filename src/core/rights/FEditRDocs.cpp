#include "FEditRDocs.h"

#include "EditList.h"
#include "RightsDefinition.h"
#include "RightsMask.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/app/TabText.h"
#include "core/runs/PendingReport.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunView.h"
#include "gw/ObjectModel.h"

#include <utility>

namespace tw {

namespace {

// The first entry of the sharing list, from item 1, whose name is `name` exactly.
std::shared_ptr<gw::SharingEntry> entryNamed(gw::Document& document, const QString& name)
{
    const auto list = document.AdditionalRights();
    for (int i = 1, count = list->Count(); i <= count; ++i) {
        auto entry = list->Item(i);
        if (entry->User()->DisplayName() == name)
            return entry;
    }
    return nullptr;
}

QString errorText(const QString& text, const gw::Error& error)
{
    return text + QStringLiteral(" (") + error.message() + QLatin1Char(')');
}

} // namespace

FEditRDocs::FEditRDocs(RunServices services, EditList& list) : m_services(std::move(services)), m_list(list) { }

RunDefinition FEditRDocs::definition()
{
    RightsTexts texts;
    texts.modeLog = QStringLiteral("Full Rights Edit Documents");
    texts.modeStatus = QStringLiteral("Full Rights Edit");
    texts.reportName = QStringLiteral("FREdits.rpt");
    texts.initialisedTitle = QStringLiteral(" Library Full Rights Edit Report File - Initialised at ");
    texts.columnHeader = fullRightsHeader();
    texts.cancelText = QStringLiteral("Cancelling Rights Edit Report of Documents");
    texts.completionText = QStringLiteral("Rights Edit Report of Documents Completed");
    texts.finalStatus = QStringLiteral("Rights Edit Report Completed");
    RunDefinition d = rightsDefinition(texts, RunDefinition::Unit::Document);
    d.changesLibrary = true;
    return d;
}

RunOutcome FEditRDocs::FEditRDocsRun(const RunInputs& inputs)
{
    m_addresses.clear();
    RunDefinition d = definition();
    d.beforeWalk = [this] { gatherAddresses(); };
    d.documentWork = [this](RunReport& report) {
        return rightsWork(m_services.log, report, [&] { return editDocument(report); });
    };
    const RunOutcome outcome = RunFrame(m_services).run(d, inputs);
    m_addresses.clear();
    return outcome;
}

// The address entries of every "Replace" row's replacement, before any document is visited.
// A replacement no address book knows stops the run after its first document.
void FEditRDocs::gatherAddresses()
{
    m_services.view.setProgress(0);
    m_services.log.ErrorCheck(QStringLiteral("Getting Address List for Replacements"), true, false);
    for (const EditRow& row : m_list.rows()) {
        if (!row.isReplace() || address(row.replacement))
            continue;
        const bool first = m_addresses.empty();
        if (!findInBooks(row.replacement) && !first) {
            m_services.host.showMessage(kProgramTitle,
                                        QStringLiteral("Address Entry cannot be found for ") + row.replacement
                                            + QStringLiteral(" Cancelling Report"),
                                        RunHost::Icon::Warning);
            m_services.state.CancelRequested = true;
        }
    }
}

// Asks each address book in turn for the name; the first that finds anything adds what it
// found. False when no book finds anything.
bool FEditRDocs::findInBooks(const QString& name)
{
    const QString filter = QStringLiteral("(Name MATCHES \"") + name + QStringLiteral("\")");
    const auto books = m_services.refs.account->AddressBooks();
    for (int b = 1, count = books->Count(); b <= count; ++b) {
        std::shared_ptr<gw::AddressEntries> found;
        try {
            found = books->Item(b)->AddressBookEntries()->Find(filter);
        } catch (const gw::Error&) {
            continue; // a name the filter cannot hold is found in no book
        }
        const int hits = found->Count();
        if (hits == 0)
            continue;
        for (int i = 1; i <= hits; ++i)
            m_addresses.push_back(found->Item(i));
        return true;
    }
    return false;
}

// The address entry of a replacement, its name compared ignoring letter case as the address
// books compare it: a name typed in other letters still finds its user.
std::shared_ptr<gw::AddressEntry> FEditRDocs::address(const QString& name) const
{
    for (const auto& entry : m_addresses) {
        if (entry->DisplayName().compare(name, Qt::CaseInsensitive) == 0)
            return entry;
    }
    return nullptr;
}

// The replacement's name as its address entry spells it, by which its sharing-list entry is
// found; the name as typed when no address book knows it.
QString FEditRDocs::replacementName(const EditRow& row) const
{
    const auto entry = address(row.replacement);
    return entry ? entry->DisplayName() : row.replacement;
}

QString FEditRDocs::documentText() const
{
    return QStringLiteral("Document ") + QString::number(m_counter);
}

void FEditRDocs::outcome(RunReport& report, const QString& text)
{
    // One text per line: the names in it start no column.
    report.append(report.gate().outcome(TabText::cell(text)));
}

// The document is edited in one change: another program editing it waits until the change is
// kept, so every mask read here is still true when it is written back, and the two programs end
// as if one had run after the other. The report lines and messages of the edit wait until then
// too: a message box must not hold the other program up, and a program stopped before the change
// is kept has done nothing it could report. A document that cannot be read is told as in every
// rights run (the error leaves through here, and the change is undone on the way). A dry run edits
// the document as the real run does, each step seeing the ones before it, and drops the change
// where the real run keeps it: its lines tell what the real run would keep.
RunDefinition::Outcome FEditRDocs::editDocument(RunReport& report)
{
    gw::Document& document = *m_services.refs.currentDocument;
    m_counter = report.runCounter();
    m_services.log.ErrorCheck(QStringLiteral("Checking Document ") + QString::number(document.DocumentNumber()), true,
                              false);
    m_messages.clear();
    // Declared before the change, so that the messages are shown once it is over, however it ends.
    struct ShownAfterTheChange
    {
        FEditRDocs& run;
        ~ShownAfterTheChange() { run.showMessages(); }
    } shown {*this};
    std::shared_ptr<gw::DocumentChange> change;
    try {
        change = document.BeginChange();
    } catch (const gw::Error& error) {
        return notSaved(report, error);
    }
    PendingReport pending(report);
    editRows(document, pending);
    try {
        if (report.gate().mayChange())
            change->Commit();
        else
            change.reset();
    } catch (const gw::Error& error) {
        return notSaved(report, error);
    }
    pending.release();
    return {};
}

// Nothing of the document's edit was kept.
RunDefinition::Outcome FEditRDocs::notSaved(RunReport& report, const gw::Error& error)
{
    const QString text = errorText(QStringLiteral("Error: Rights Edit Not Saved for ") + documentText(), error);
    m_services.log.ErrorCheck(report.gate().outcome(text), true, true);
    report.append(report.gate().outcome(text));
    RunDefinition::Outcome outcome;
    outcome.count = RunDefinition::Count::Failure;
    return outcome;
}

void FEditRDocs::showMessages()
{
    for (const QString& message : std::exchange(m_messages, {}))
        m_services.host.showMessage(kProgramTitle, message, RunHost::Icon::Warning);
}

void FEditRDocs::editRows(gw::Document& document, RunReport& report)
{
    const std::optional<RightsLines> lines = RightsLines::read(document, m_counter, m_services.log);
    if (!lines || !markRows(document))
        return;
    // The marked rows in list order; the rows stay as they are while the document is edited.
    const std::vector<EditRow> rows = m_list.rows();
    for (const EditRow& row : rows) {
        if (row.isMarked())
            editRow(document, row, *lines, report);
    }
}

// Every row's Rights column shows the document's entry of its name (the lowest position when
// two match); true when some row is marked.
bool FEditRDocs::markRows(gw::Document& document)
{
    m_list.clearMarks();
    bool marked = false;
    try {
        const auto list = document.AdditionalRights();
        for (int i = list->Count(); i >= 1; --i) {
            const auto entry = list->Item(i);
            const int row = m_list.find(entry->User()->DisplayName());
            if (row < 0)
                continue;
            const int mask = entry->RevokeAllRights() ? 0 : entry->SecurityOfficialVersion()->Bitmask();
            m_list.setRights(row, QString::number(i) + QLatin1Char(':') + QString::number(mask));
            marked = true;
        }
    } catch (const gw::Error& error) {
        m_services.log.ErrorCheck(errorText(QStringLiteral("Error: Cannot Read Rights of ") + documentText(), error),
                                  true, true);
        return false;
    }
    return marked;
}

void FEditRDocs::editRow(gw::Document& document, const EditRow& row, const RightsLines& lines, RunReport& report)
{
    try {
        // Only an entry of exactly this name: one that differs in letter case is passed over.
        const auto entry = entryNamed(document, row.original);
        if (!entry)
            return;
        const QString name = entry->User()->DisplayName();
        m_services.log.ErrorCheck(QStringLiteral("Checking Document ") + QString::number(document.DocumentNumber())
                                      + QStringLiteral(" - ") + name,
                                  true, false);
        const HolderRights old = HolderRights::ofEntry(*entry);
        report.appendLines(QStringList {QStringLiteral("Original Rights found for ") + TabText::cell(name)}
                           + lines.levelLines(name, old));
        if (!row.isReplace()) {
            entry->Delete();
            outcome(report, documentText() + QStringLiteral(" - Rights removed for ") + row.original);
            return;
        }
        if (handOver(document, row, old, lines, report) == Handover::Made)
            removeOld(document, row, report);
        else
            outcome(report, documentText() + QStringLiteral(" - Rights NOT removed for ") + row.original);
    } catch (const gw::Error& error) {
        m_services.log.ErrorCheck(errorText(QStringLiteral("Error: Get Next Rights Failed for ") + documentText()
                                                + QStringLiteral(" for ") + row.original,
                                            error),
                                  true, true);
        outcome(report,
                QStringLiteral("Document ") + QString::number(document.DocumentNumber())
                    + QStringLiteral(" - Rights Found, but NOT removed for ") + row.original);
    }
}

// The replacement's entry already there (merged or kept), or a new one.
FEditRDocs::Handover FEditRDocs::handOver(gw::Document& document, const EditRow& row, const HolderRights& old,
                                          const RightsLines& lines, RunReport& report)
{
    const QString replacement = replacementName(row);
    const auto list = document.AdditionalRights();
    for (int i = 1, count = list->Count(); i <= count; ++i) {
        bool matched = false;
        try {
            const auto entry = list->Item(i);
            const QString name = entry->User()->DisplayName();
            if (name != replacement)
                continue;
            matched = true;
            const HolderRights theirs = HolderRights::ofEntry(*entry);
            outcome(report, documentText() + QStringLiteral(" - Rights already present for ") + name);
            report.appendLines(lines.levelLines(name, theirs));
            if (!row.ticked) {
                outcome(report, documentText() + QStringLiteral(" - Existing Rights retained for ") + name);
                return Handover::Made;
            }
            return mergeInto(*entry, name, old, report);
        } catch (const gw::Error&) {
            m_services.log.ErrorCheck(documentText() + QStringLiteral(" - Rights Match Failed for ") + row.replacement,
                                      true, true);
            // Failing once the name matched, the replacement counts as found: nothing is
            // added and the old entry stays.
            if (matched)
                return Handover::NotMade;
        }
    }
    return addEntry(document, row, old, report);
}

FEditRDocs::Handover FEditRDocs::mergeInto(gw::SharingEntry& entry, const QString& name, const HolderRights& old,
                                           RunReport& report)
{
    try {
        // An explicit deny stands: lifted, it would grant the masks it hides, which neither
        // entry granted. The old entry still goes.
        if (entry.RevokeAllRights()) {
            outcome(report, documentText() + QStringLiteral(" - Explicit Deny retained for ") + name);
            return Handover::Made;
        }
        for (size_t i = 0; i < kReportLevels.size(); ++i) {
            const auto level = levelOf(entry, kReportLevels[i]);
            level->setBitmask((level->Bitmask() | old.masks[i]) & kLevelMaskRights);
        }
        const bool modify = entry.ModifySecurity() || (old.masks[0] & kRightModifySecurity) != 0;
        entry.setModifySecurity(modify);
        outcome(report, documentText() + QStringLiteral(" - Rights Updated for ") + name);
        return Handover::Made;
    } catch (const gw::Error&) {
        const QString text = documentText() + QStringLiteral(" - Rights Update Failed for ") + name;
        m_services.log.ErrorCheck(text, true, true);
        outcome(report, text);
        return Handover::NotMade;
    }
}

FEditRDocs::Handover FEditRDocs::addEntry(gw::Document& document, const EditRow& row, const HolderRights& old,
                                          RunReport& report)
{
    const auto entry = address(row.replacement);
    if (!entry) {
        m_messages.append(QStringLiteral("Address Entry cannot be found for ") + row.replacement
                          + QStringLiteral(" Cancelling Report"));
        m_services.state.CancelRequested = true;
        return Handover::NotMade;
    }
    try {
        if (document.Subject().isEmpty())
            document.setSubject(QStringLiteral("Unknown Subject"));
        // The entry starts with the rights the old one held at every level and grows level by
        // level from there: a step that fails, the ones before it kept, never leaves the
        // replacement with a right the old entry lacked.
        document.AdditionalRights()->Add(entry, old.masks[0] & old.masks[1] & old.masks[2] & kLevelMaskRights);
        const auto added = entryNamed(document, entry->DisplayName());
        if (!added)
            throw gw::Error(QStringLiteral("the new entry of ") + row.replacement + QStringLiteral(" is not there"));
        for (size_t i = 0; i < kReportLevels.size(); ++i)
            levelOf(*added, kReportLevels[i])->setBitmask(old.masks[i] & kLevelMaskRights);
        added->setModifySecurity((old.masks[0] & kRightModifySecurity) != 0);
        outcome(report,
                documentText() + QStringLiteral(" Rights for ") + row.original + QStringLiteral(" replaced by ")
                    + entry->DisplayName());
        return Handover::Made;
    } catch (const gw::Error& error) {
        m_services.log.ErrorCheck(errorText(QStringLiteral("Error: Replacing Rights to ") + documentText()
                                                + QStringLiteral(" for ") + row.original + QStringLiteral(" by ")
                                                + row.replacement,
                                            error),
                                  true, true);
        return Handover::NotMade;
    }
}

void FEditRDocs::removeOld(gw::Document& document, const EditRow& row, RunReport& report)
{
    const QString notRemoved = documentText() + QStringLiteral(" - Rights NOT removed for ") + row.original;
    try {
        const auto old = entryNamed(document, row.original);
        if (!old) {
            outcome(report, notRemoved);
            return;
        }
        old->Delete();
        outcome(report, documentText() + QStringLiteral(" - Rights removed for ") + row.original);
    } catch (const gw::Error& error) {
        m_services.log.ErrorCheck(errorText(QStringLiteral("Error: Deleting Rights Failed on ") + documentText()
                                                + QStringLiteral(" for ") + row.original,
                                            error),
                                  true, true);
        outcome(report, notRemoved);
    }
}

} // namespace tw
