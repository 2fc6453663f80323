#include "RestoreFile.h"

#include "HistoryRow.h"
#include "RestoreInfo.h"
#include "SalvageScan.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "gw/ObjectModel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace tw {

RestoreFile::RestoreFile(RunServices services, FileServerSource fileServer)
    : m_services(std::move(services)), m_fileServer(std::move(fileServer))
{
}

void RestoreFile::report(const QString& text, bool show, bool write)
{
    m_services.log.ErrorCheck(text, show, write);
}

// A file's path in the platform's network form is its absolute path.
RestoreFile::Where RestoreFile::split(const QString& file)
{
    if (file.trimmed().isEmpty())
        return {};
    const QFileInfo info(file);
    return {info.absolutePath(), info.fileName()};
}

// The regular file in `directory` whose name is `name` in any letter case (the file server
// matches names so), or the empty text. A directory of that name is no file.
QString RestoreFile::presentFile(const QString& directory, const QString& name)
{
    if (name.isEmpty())
        return QString();
    const QDir dir(directory);
    for (const QString& each : {name, name.toUpper(), name.toLower()}) {
        const QFileInfo exact(dir.filePath(each));
        if (exact.isFile())
            return exact.absoluteFilePath();
    }
    QDirIterator entries(directory, QDir::Files | QDir::Hidden | QDir::System);
    while (entries.hasNext()) {
        entries.next();
        if (entries.fileName().compare(name, Qt::CaseInsensitive) == 0)
            return entries.fileInfo().absoluteFilePath();
    }
    return QString();
}

QString RestoreFile::LV_RestoresClick(HistoryRow& row)
{
    if (row.state.isEmpty()) {
        m_services.host.setBusyCursor(true);
        row.state = lookUp(row.file);
        m_services.host.setBusyCursor(false);
    }
    return row.state;
}

QString RestoreFile::lookUp(const QString& file)
{
    const Where where = split(file);
    if (where.name.isEmpty())
        return FileState::NoFile;
    if (!presentFile(where.directory, where.name).isEmpty())
        return FileState::Available;
    // A name too long for the salvage area's name fields is never one of its entries.
    if (!SalvageScan::fitsSalvageName(where.name))
        return FileState::FromTape;
    const auto server = m_fileServer();
    if (!server)
        return FileState::FromTape;
    SalvageScan scan(*server, m_services.log, m_services.host);
    if (!scan.open(where.directory))
        return QString();
    gw::DeletedEntry entry;
    while (scan.next(entry)) {
        if (entry.name.compare(where.name, Qt::CaseInsensitive) == 0)
            return FileState::Salvageable;
    }
    return FileState::FromTape;
}

void RestoreFile::BRestoreClick(const QString& numberText, const QString& version, HistoryRow& row)
{
    report(QString(), false, true);
    m_gate = ChangeGate(m_services.state);
    report(QStringLiteral("Starting Restore Document"));
    report(QString(), false, true);
    if (m_services.host.askYesNo(kProgramTitle, QStringLiteral("Absolutely Sure About This ?"))) {
        try {
            RestoreDoc(numberText, version, row);
        } catch (const gw::Error& error) {
            m_services.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
        }
    }
    report(m_gate.closing(QStringLiteral("Completed Restore Document")));
}

void RestoreFile::RestoreDoc(const QString& numberText, const QString& version, HistoryRow& row)
{
    GwRefs& refs = m_services.refs;
    m_services.host.setBusyCursor(true);
    const ForgetCurrent forget {refs};
    struct Cursor
    {
        RunHost& host;
        ~Cursor() { host.setBusyCursor(false); }
    } cursor {m_services.host};
    refs.currentDocument = refs.selectedLibrary->GetDocument(numberText);
    refs.currentVersion = RestoreInfo::versionNumbered(*refs.currentDocument, version, m_services.log);
    if (!refs.currentVersion) {
        m_services.host.showMessage(kProgramTitle, QStringLiteral("Document Versions not Found"),
                                    RunHost::Icon::Warning);
        return;
    }
    gw::Version& target = *refs.currentVersion;
    const QString suffix = QStringLiteral(" for Document ") + numberText + QStringLiteral(" Version ") + version;
    if (target.Archived() || target.CheckedOut() || target.ConnectedReadWrite() || target.InUse()) {
        report(m_gate.outcome(QStringLiteral("Currently Checked Out Status") + suffix));
        return;
    }
    const Where where = split(row.file);
    QString recovered;
    const Salvage salvaged = where.name.isEmpty() || !SalvageScan::fitsSalvageName(where.name)
        ? Salvage::NotFound
        : salvage(where, suffix, &recovered);
    if (salvaged == Salvage::Stopped)
        return; // a failing salvage call, shown
    if (salvaged == Salvage::NotFound) {
        report(m_gate.outcome(QStringLiteral("Failed to Reimport File") + suffix));
        return;
    }
    if (salvaged == Salvage::Named) {
        // What the real restore does next with the file it brought back.
        report(m_gate.outcome(QStringLiteral("Successfully Reimported File") + suffix));
        report(m_gate.outcome(QStringLiteral("Successfully Deleted Restored File") + suffix));
        return;
    }
    row.state = FileState::Salvaged;
    reimport(target, recovered, suffix);
}

// Brings the file back from its directory's salvage area; `recovered` is where it now lies,
// under the name the salvage area kept, which may differ in letter case from the history's.
RestoreFile::Salvage RestoreFile::salvage(const Where& where, const QString& suffix, QString* recovered)
{
    const auto server = m_fileServer();
    if (!server)
        return Salvage::NotFound;
    SalvageScan scan(*server, m_services.log, m_services.host);
    if (!scan.open(where.directory))
        return Salvage::Stopped;
    gw::DeletedEntry entry;
    while (scan.next(entry)) {
        if (entry.name.compare(where.name, Qt::CaseInsensitive) != 0)
            continue;
        // The file the real restore brings back first; a dry run names it and leaves it there.
        if (!m_gate.mayChange()) {
            report(m_gate.outcome(QStringLiteral("Successfully Restored File") + suffix));
            return Salvage::Named;
        }
        if (!scan.recover(entry))
            return Salvage::Stopped;
        *recovered = QDir(where.directory).absoluteFilePath(entry.name);
        if (QFileInfo(*recovered).isFile()) {
            report(QStringLiteral("Successfully Restored File") + suffix);
            return Salvage::Done;
        }
    }
    return Salvage::NotFound;
}

void RestoreFile::reimport(gw::Version& version, const QString& path, const QString& suffix)
{
    try {
        version.Checkout();
        version.CheckIn(path, 0);
    } catch (const gw::Error& error) {
        // The salvaged content is the only copy there is: it stays where it was brought back.
        const QString text = QStringLiteral("Error: Cannot Reimport File") + suffix + QStringLiteral(" (")
            + error.message() + QStringLiteral("); the salvaged file stays at ") + path;
        report(text);
        m_services.host.showMessage(kProgramTitle, text, RunHost::Icon::Error);
        return;
    }
    report(QStringLiteral("Successfully Reimported File") + suffix);
    if (QFile::remove(path))
        report(QStringLiteral("Successfully Deleted Restored File") + suffix);
    else
        report(QStringLiteral("Failed to Deleted Restored File") + suffix);
}

} // namespace tw
