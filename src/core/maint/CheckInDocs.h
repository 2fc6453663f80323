#pragma once

#include "core/runs/ChangeGate.h"
#include "core/runs/RunServices.h"

#include <QString>

namespace gw {
class Version;
}

namespace tw {

struct CheckInName;
struct FolderEntry;

// The mass check-in: walks the check-in directory and, for every file named as
// the mass check-out names it, checks the file in as the new content of the
// version it names (checked out), corrects the version's file type when the
// extension changed, and deletes the file once the version reads as checked
// in. Only regular files are taken, never a link, and a name that is not
// plain text is told by its escaped form and left alone. A file whose version
// is not checked out but already holds exactly that file (checked in by a run
// stopped before it deleted the file) is deleted as after its check-in. Not the
// run frame's walk: a directory, not documents, and no report file; its
// outcomes go to the status bar and the daily log. It pumps events and pauses
// 50 ms after every entry and does not stop on Cancel.
class CheckInDocs
{
public:
    explicit CheckInDocs(RunServices services);

    // The button's run: its start and completion lines around the walk of `directory`
    // (the check-in directory field, ending in the separator).
    void BCheckInClick(const QString& directory);
    void CheckInDocsRun(const QString& directory);

    void setPauseForTesting(int milliseconds) { m_pauseMs = milliseconds; }

private:
    qint64 countFiles(const QString& directory);
    void walk(const QString& directory, qint64 files);
    void pauseAfterEntry();
    void checkInEntry(const QString& directory, const FolderEntry& entry);
    void checkInVersion(gw::Version& version, const CheckInName& parsed, const QString& path);
    bool checkedInBefore(gw::Version& version, const CheckInName& parsed, const QString& path);
    void deleteCheckedIn(const QString& path);
    void log(const QString& text, bool show, bool write);
    // A file's outcome line, marked in a dry run.
    void outcome(const QString& text, bool write = true);
    bool nothingDone() const;
    void endRun();

    RunServices m_services;
    int m_pauseMs = 50;
    int m_checkedIn = 0;
    // Set at each run from the "Dry Run" mark.
    ChangeGate m_gate;
    QString m_storeUnavailable; // the last message of a store that refused a file
};

} // namespace tw
