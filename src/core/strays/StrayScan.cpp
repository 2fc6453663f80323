#include "StrayScan.h"

#include "StrayName.h"
#include "core/app/DateTimeText.h"
#include "core/app/FolderEntries.h"
#include "core/app/GwRefs.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/lists/ResultSink.h"
#include "core/runs/PumpedPause.h"
#include "gw/FileServer.h"
#include "gw/ObjectModel.h"

#include <QDir>
#include <QFileInfo>

namespace tw {

// What the library says about the version a file name names.
struct StrayScan::Judgement
{
    QString gwText;
    bool kept = false;
    bool marked = false;
};

StrayScan::StrayScan(RunServices services, StrayScanView& view, ResultSink& list, gw::FileServer& server)
    : m_services(std::move(services)), m_view(view), m_list(list), m_server(server)
{
}

void StrayScan::ScanFiles(const QString& topDirectory, bool dmsOnly)
{
    RunServices& s = m_services;
    if (const QString missing = missingForLibraryWork(s.refs); !missing.isEmpty()) {
        s.host.showMessage(kProgramTitle, missing, RunHost::Icon::Warning);
        return;
    }
    QString directory = QDir::fromNativeSeparators(topDirectory.trimmed());
    // An empty field would make the walk start at the root of the file system.
    if (directory.isEmpty()) {
        s.host.showMessage(kProgramTitle, QStringLiteral("Select a Top User Directory to scan"),
                           RunHost::Icon::Warning);
        return;
    }
    while (directory.size() > 1 && directory.endsWith(QLatin1Char('/')))
        directory.chop(1);
    // The scan consults the selected library throughout: the program is busy, so that no
    // other run starts and no other library is selected from inside its pumps.
    const BusyMark busy(s.state);
    s.state.CancelRequested = false;
    struct BackToIdle
    {
        RunServices& s;
        ~BackToIdle()
        {
            s.state.CancelRequested = false;
            s.refs.currentDocument.reset();
            s.refs.currentVersion.reset();
        }
    } backToIdle {s};
    m_dmsOnly = dmsOnly;
    m_sincePump.invalidate();
    m_checked = 0;
    m_unreadable = 0;
    m_highest = s.refs.selectedLibrary->NextDocumentNumber() - 1;
    m_view.resetCounters();
    s.log.ErrorCheck(QStringLiteral("Starting Divavi Directory Scan"), true, true);
    const QString top = directory.endsWith(QLatin1Char('/')) ? directory : directory + QLatin1Char('/');
    m_list.clearRows();
    m_view.setCurrentDirectory(QStringLiteral("Scanning Directory ") + directory);
    // A top directory that is gone gives the empty list.
    if (QFileInfo(top).isDir() && enterable(top))
        Searchdir(top, 0);
    m_view.setCurrentDirectory(QString());
    if (m_unreadable > 0)
        s.log.ErrorCheck(QString::number(m_unreadable) + QStringLiteral(" Directories could not be read"), true, true);
    s.log.ErrorCheck(QStringLiteral("Completed Divavi Directory Scan on ") + top, true, true);
}

// A directory the file server keeps for itself is passed over with one line in the log.
bool StrayScan::enterable(const QString& path)
{
    if (!m_server.IsServerArea(path))
        return true;
    m_services.log.ErrorCheck(
        QStringLiteral("Directory ") + path + QStringLiteral(" holds library files and is not scanned"), true, true);
    return false;
}

void StrayScan::Searchdir(const QString& path, int depth)
{
    RunServices& s = m_services;
    m_view.setCurrentDirectory(path);
    const QFileInfo here(path);
    if (!here.isDir() || !here.isReadable() || !here.isExecutable()) {
        // A directory that is gone or closed to the user is passed over with a word on the status
        // line; the log gets their count at the end, not a line for each of thousands.
        ++m_unreadable;
        s.log.ErrorCheck(QStringLiteral("Directory ") + path + QStringLiteral(" cannot be read"), true, false);
        return;
    }
    FolderEntries entries(path);
    for (FolderEntry item; !s.state.CancelRequested && entries.next(&item);) {
        if (!item.plain) {
            passOver(path, item);
            serve(path, item.shown());
            continue;
        }
        const QString name = item.name;
        const QFileInfo entry(path + name);
        if (entry.isDir()) {
            // A link to a directory is never followed: it could lead out of the tree or into it.
            if (!entry.isSymLink() && enterable(path + name + QLatin1Char('/'))) {
                m_view.setCurrentFile(path + name);
                Searchdir(path + name + QLatin1Char('/'), depth + 1);
                m_view.setCurrentDirectory(path);
            }
        } else if (entry.isFile()) {
            ProcessSearchRec(path, name, entry);
        }
        serve(path, name);
    }
    showChecked();
    m_view.setCurrentFile(QString());
}

// A name that is not plain text (not UTF-8, or with a control character such as a line end) has
// no text that names its file: a copy listed under it could not be deleted by that name, and the
// text might name another file. It is never listed, and the log tells it by its escaped form.
void StrayScan::passOver(const QString& path, const FolderEntry& item)
{
    m_services.log.ErrorCheck((item.directory ? QStringLiteral("Directory ") : QStringLiteral("File ")) + path
                                  + item.shown() + QStringLiteral(" has a name that is not plain text and is not ")
                                  + (item.directory ? QStringLiteral("scanned") : QStringLiteral("checked")),
                              true, true);
}

// The window is served after the entries of a directory at least every 5 ms, and shown the
// entry in hand and the files checked then; a pump and a repaint for each of a hundred thousand
// plain files would cost more than the walk itself. Cancel is looked at after every entry.
void StrayScan::serve(const QString& path, const QString& name)
{
    if (m_services.state.CancelRequested || (m_sincePump.isValid() && m_sincePump.nsecsElapsed() < 5000000))
        return;
    showChecked();
    m_view.setCurrentFile(path + name);
    m_services.host.pumpEvents();
    m_sincePump.start();
}

void StrayScan::showChecked()
{
    if (m_checked > 0)
        m_view.addToCounter(StrayCounter::Checked, m_checked);
    m_checked = 0;
}

void StrayScan::ProcessSearchRec(const QString& path, const QString& fileName, const QFileInfo& file)
{
    RunServices& s = m_services;
    ++m_checked;
    const std::optional<StrayName> name = StrayName::parse(fileName);
    if (!name || name->number <= 0 || name->number > m_highest)
        return;
    showChecked();
    m_view.setCurrentFile(path + fileName);
    const QDateTime modified = file.lastModified();
    ResultRow row;
    row.texts
        = {file.fileName(), path, QString::number(name->number), name->versionText, DateTimeText::format(modified)};
    row.hidden = QString::number(file.size());
    row.stamp = modified.toMSecsSinceEpoch();
    std::shared_ptr<gw::Document> document;
    try {
        document = s.refs.selectedLibrary->GetDocument(QString::number(name->number));
        status(QStringLiteral("Successfully Retrieved Document ") + QString::number(name->number));
    } catch (const gw::Error&) {
        // No such document: the file is not listed, whatever the filter.
    }
    if (document) {
        s.refs.currentDocument = document;
        Judgement judgement;
        try {
            judgement = judge(*document, *name, file);
        } catch (const gw::Error& error) {
            // The versions cannot be read: the file is judged as if none matched.
            status(QStringLiteral("Error: Cannot Check Document ") + QString::number(name->number)
                   + QStringLiteral(" (") + error.message() + QLatin1Char(')'));
            judgement.gwText = QStringLiteral("No Document Version");
        }
        s.refs.currentDocument.reset();
        s.refs.currentVersion.reset();
        row.texts.append(judgement.gwText);
        row.checked = judgement.marked;
        if (judgement.marked) {
            m_view.addToCounter(StrayCounter::Marked, 1);
            m_view.addToCounter(StrayCounter::MarkedSize, file.size());
        }
        if (judgement.kept || !m_dmsOnly) {
            m_list.addRow(std::move(row));
            m_view.addToCounter(StrayCounter::Listed, 1);
        }
    }
    pumpedPause(s.host, m_pauseMs);
    m_sincePump.start();
}

StrayScan::Judgement StrayScan::judge(gw::Document& document, const StrayName& name, const QFileInfo& file)
{
    GwRefs& refs = m_services.refs;
    int officialNumber = -1;
    try {
        officialNumber = document.OfficialVersion()->VersionNumber();
    } catch (const gw::Error& error) {
        status(QStringLiteral("Error: Cannot Retrieve Official Document Version (") + error.message()
               + QLatin1Char(')'));
    }
    const auto versions = document.DocumentVersions();
    const int count = versions->Count();
    status(QStringLiteral("Starting Version Check for ") + QString::number(count) + QStringLiteral(" versions"));
    bool matched = false;
    QString fileType;
    QString statusWord;
    QDateTime retrieved;
    for (int i = 1; i <= count; ++i) {
        status(QStringLiteral("Starting Version Check for version ") + QString::number(i));
        try {
            const auto version = versions->Item(i);
            const int number = version->VersionNumber();
            if (name.official ? number != officialNumber : QString::number(number) != name.versionText)
                continue;
            refs.currentVersion = version;
            fileType = version->OriginalFileType();
            statusWord = m_services.catalogue.GetGWFieldNames(QStringLiteral("Doc. Status"));
            retrieved = version->RetrievalDate();
            matched = true; // the last matching version counts
        } catch (const gw::Error& error) {
            status(QStringLiteral("Error: Cannot Retrieve Document Version %1 (%2)").arg(i).arg(error.message()));
        }
    }
    Judgement judgement;
    const QString fileName = file.fileName();
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    const QString extension = dot < 0 ? QString() : fileName.mid(dot);
    if (!matched) {
        judgement.gwText = QStringLiteral("No Document Version");
    } else if (extension.compare(QLatin1Char('.') + fileType, Qt::CaseInsensitive) != 0) {
        judgement.gwText = QStringLiteral("File Type Mismatch");
    } else if (statusWord != QLatin1String("Available")) {
        judgement.gwText = statusWord;
        judgement.kept = true;
    } else {
        judgement.kept = true;
        // A version never retrieved has no date to compare with; its copy is not marked.
        judgement.gwText = retrieved.isNull() ? QStringLiteral("<Never>") : DateTimeText::format(retrieved);
        // Marked when the copy was last changed no more than ten seconds after the version was
        // last taken from the library.
        judgement.marked
            = !retrieved.isNull() && retrieved.toMSecsSinceEpoch() - file.lastModified().toMSecsSinceEpoch() > -10000;
    }
    return judgement;
}

void StrayScan::status(const QString& text)
{
    m_services.log.ErrorCheck(text, true, false);
}

} // namespace tw
