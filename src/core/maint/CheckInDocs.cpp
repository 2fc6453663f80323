#include "CheckInDocs.h"

#include "CheckInName.h"
#include "core/app/EscapedText.h"
#include "core/app/FolderEntries.h"
#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/runs/PumpedPause.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunView.h"
#include "gw/ObjectModel.h"

#include <QFile>
#include <QFileInfo>
#include <QtMath>

namespace tw {

namespace {
const QString kCompleted = QStringLiteral("Check In Completed");
} // namespace

CheckInDocs::CheckInDocs(RunServices services) : m_services(std::move(services)) { }

void CheckInDocs::log(const QString& text, bool show, bool write)
{
    m_services.log.ErrorCheck(text, show, write);
}

void CheckInDocs::outcome(const QString& text, bool write)
{
    log(m_gate.outcome(text), true, write);
}

void CheckInDocs::BCheckInClick(const QString& directory)
{
    log(QStringLiteral("Starting Document Check In"), true, false);
    for (const QString& line :
         {QString(), QString(QStringLiteral("Starting Document Check In from ") + directory), QString()})
        log(line, false, true);
    CheckInDocsRun(directory);
    log(m_gate.closing(QStringLiteral("Completed Document Check In")), true, true);
}

void CheckInDocs::CheckInDocsRun(const QString& directory)
{
    RunServices& s = m_services;
    const BusyMark busy(s.state);
    s.state.CancelRequested = false;
    s.host.setBusyCursor(true);
    m_checkedIn = 0;
    m_storeUnavailable.clear();
    m_gate = ChangeGate(s.state);
    // Whatever ends the walk, the program is idle again with the boxes emptied.
    struct End
    {
        CheckInDocs& run;
        ~End() { run.endRun(); }
    } end {*this};

    // The one run that walks a directory rather than the library needs the library all the same.
    if (const QString missing = missingForLibraryWork(s.refs); !missing.isEmpty()) {
        log(missing, true, true);
        s.host.showMessage(kProgramTitle, missing, RunHost::Icon::Warning);
        return;
    }
    if (!QFileInfo(directory).isDir()) {
        // Removed since its field was left: the field's own message, rather than "no files",
        // and the daily log keeps it too.
        const QString gone = QStringLiteral("Selected Check In Directory does not exist");
        log(gone, true, true);
        s.host.showMessage(kProgramTitle, gone, RunHost::Icon::Warning);
        return;
    }
    log(QStringLiteral("Counting Files In Directory ") + directory, false, true);
    s.view.setRunStatus(QStringLiteral("Counting Files"));
    const qint64 files = countFiles(directory);
    log(QStringLiteral("Directory ") + directory + QStringLiteral("contains ") + QString::number(files)
            + QStringLiteral(" files "),
        false, true);
    s.view.setRunStatus(QStringLiteral("Directory contains ") + QString::number(files) + QStringLiteral(" files"));
    if (files == 0) {
        log(QStringLiteral("Directory ") + directory + QStringLiteral("contains no files "), false, true);
        s.host.showMessage(kProgramTitle, QStringLiteral("No Files in Directory"), RunHost::Icon::Information);
        return;
    }
    walk(directory, files);
    // A store that refused every file is said last: the failures alone do not tell why.
    if (nothingDone())
        log(RunFrame::notDoneText(kCompleted) + QStringLiteral(": ") + m_storeUnavailable, true, true);
}

bool CheckInDocs::nothingDone() const
{
    return m_checkedIn == 0 && !m_storeUnavailable.isEmpty();
}

void CheckInDocs::endRun()
{
    RunServices& s = m_services;
    s.view.clearFilesInProcess();
    s.view.setRunStatus(m_gate.closing(nothingDone() ? RunFrame::notDoneText(kCompleted) : kCompleted));
    s.refs.currentVersion.reset();
    s.refs.currentDocument.reset();
    s.host.setBusyCursor(false);
    s.state.CancelRequested = false;
}

qint64 CheckInDocs::countFiles(const QString& directory)
{
    qint64 files = 0;
    FolderEntries entries(directory);
    for (FolderEntry entry; entries.next(&entry);) {
        if (!entry.directory)
            ++files;
    }
    return files;
}

void CheckInDocs::walk(const QString& directory, qint64 files)
{
    RunServices& s = m_services;
    s.view.setProgress(0);
    qint64 seen = 0;
    // Entries are read one at a time, in the order the file system gives them.
    FolderEntries entries(directory);
    log(QStringLiteral("Checking In Documents"), true, true);
    for (FolderEntry entry; entries.next(&entry);) {
        s.view.clearFilesInProcess();
        s.view.setOutput(directory + entry.shown());
        if (!entry.directory)
            checkInEntry(directory, entry);
        ++seen;
        s.view.setProgress(qMin(100, qRound(static_cast<double>(seen) * 100.0 / static_cast<double>(files))));
        pauseAfterEntry();
    }
}

void CheckInDocs::pauseAfterEntry()
{
    pumpedPause(m_services.host, m_pauseMs);
}

void CheckInDocs::checkInEntry(const QString& directory, const FolderEntry& entry)
{
    RunServices& s = m_services;
    // A name with a CR or LF would break the log's lines and come back as a version "1\n"; one
    // that is not UTF-8 has no text that names the file. Either is told by its escaped form. A
    // TAB is no such harm: the log shows it as a blank, and the file is checked in as before.
    if (!entry.plain && !EscapedText::isPlain(QByteArray(entry.bytes).replace('\t', ' '))) {
        outcome(QStringLiteral("FAIL - File ") + entry.shown()
                + QStringLiteral(" has a name that is not plain text and is not Checked In"));
        return;
    }
    const QString name = entry.name;
    const CheckInName parsed = CheckInName::parse(name);
    s.view.setExtension(parsed.extension);
    s.view.setDocumentNumber(parsed.numberText);
    s.view.setVersion(parsed.versionText);
    if (!parsed.valid) {
        outcome(QStringLiteral("FAIL - Invalid File Name Format Found ") + name, false);
        return;
    }
    // Regular files only: a link would make the library take whatever file it points to, one
    // the administrator may read but its writer may not. The store refuses a link too, so that
    // one put in place after this look is refused as well.
    const QFileInfo file(directory + name);
    if (file.isSymLink() || !file.isFile()) {
        outcome(QStringLiteral("FAIL - File ") + name
                + (file.isSymLink() ? QStringLiteral(" is a symbolic link and is not Checked In")
                                    : QStringLiteral(" is not a regular file and is not Checked In")));
        return;
    }
    const QString which
        = QStringLiteral("Document Number ") + parsed.numberText + QStringLiteral(" Version ") + parsed.versionText;
    try {
        s.refs.currentDocument = s.refs.selectedLibrary->GetDocument(QString::number(parsed.number));
        const auto versions = s.refs.currentDocument->DocumentVersions();
        const int count = versions->Count();
        s.refs.currentVersion.reset();
        for (int i = 1; i <= count && !s.refs.currentVersion; ++i) {
            auto version = versions->Item(i);
            if (version->VersionNumber() == parsed.version)
                s.refs.currentVersion = version;
        }
        if (!s.refs.currentVersion) {
            outcome(QStringLiteral("FAIL - ") + which + QStringLiteral(" not found"));
            return;
        }
        log(QStringLiteral("Starting Check In Process for File ") + name + QStringLiteral(" as Document ")
                + parsed.numberText + QStringLiteral(" Version ") + parsed.versionText,
            true, true);
        if (!s.refs.currentVersion->CheckedOut()) {
            if (!checkedInBefore(*s.refs.currentVersion, parsed, directory + name))
                outcome(QStringLiteral("FAIL - ") + which + QStringLiteral(" not Checked Out"));
            return;
        }
        checkInVersion(*s.refs.currentVersion, parsed, directory + name);
    } catch (const gw::Error& error) {
        outcome(QStringLiteral("FAIL - Invalid Document Found ") + name, false);
        // Not the document's fault: the store is locked, read-only or full, and the log says so.
        if (error.storeUnavailable()) {
            m_storeUnavailable = error.message();
            outcome(QStringLiteral("FAIL - File ") + name + QStringLiteral(" not Checked In: ") + error.message());
        }
    }
}

void CheckInDocs::checkInVersion(gw::Version& version, const CheckInName& parsed, const QString& path)
{
    const QString oldType = version.OriginalFileType();
    const bool altered = oldType.toUpper() != parsed.extension.toUpper();
    const QString which
        = QStringLiteral(" Document ") + parsed.numberText + QStringLiteral(" Version ") + parsed.versionText;
    if (altered)
        outcome(QStringLiteral("Altered Document Version Extension from ") + oldType + QStringLiteral(" to ")
                + parsed.extension);
    // Everything the real check-in reads and tests is behind: a dry run names the check-in it
    // would make, and leaves the version and the file as they are.
    if (!m_gate.mayChange()) {
        ++m_checkedIn;
        outcome(QStringLiteral("SUCCESS - Successfully Checked In") + which);
        return;
    }
    if (altered)
        version.setOriginalFileType(parsed.extension);
    // A check-in that does not take leaves the version as it was, its file type included,
    // and the log says so, since it said the type was altered.
    const auto putTypeBack = [&] {
        if (!altered)
            return;
        const QString reverse
            = QStringLiteral("Document Version Extension from ") + parsed.extension + QStringLiteral(" to ") + oldType;
        try {
            version.setOriginalFileType(oldType);
            log(QStringLiteral("Reverted ") + reverse, true, true);
        } catch (const gw::Error&) {
            log(QStringLiteral("Failed to Revert ") + reverse, true, true);
        }
    };
    try {
        version.CheckIn(path, 0);
    } catch (const gw::Error&) {
        putTypeBack();
        throw;
    }
    if (version.CheckedOut()) {
        putTypeBack();
        outcome(QStringLiteral("FAIL - Failed to Check In") + which);
        return;
    }
    ++m_checkedIn;
    outcome(QStringLiteral("SUCCESS - Successfully Checked In") + which);
    deleteCheckedIn(path);
}

// The store takes a file that its version already holds as checked in again and changes
// nothing; any other file of a version that is not checked out it refuses.
// A dry run cannot ask without the check-in itself, and names the version as not checked out.
bool CheckInDocs::checkedInBefore(gw::Version& version, const CheckInName& parsed, const QString& path)
{
    if (!m_gate.mayChange())
        return false;
    try {
        version.CheckIn(path, 0);
    } catch (const gw::Error&) {
        return false;
    }
    if (version.CheckedOut())
        return false;
    outcome(QStringLiteral("SUCCESS - Document Number ") + parsed.numberText + QStringLiteral(" Version ")
            + parsed.versionText + QStringLiteral(" already Checked In"));
    deleteCheckedIn(path);
    return true;
}

void CheckInDocs::deleteCheckedIn(const QString& path)
{
    // Deleted only now that the version holds it.
    if (!QFile::remove(path))
        outcome(QStringLiteral("PARTIAL - Failed to Delete File ") + path);
}

} // namespace tw
