#pragma once

#include "store/salvage/SalvageEntry.h"

#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace store {

// The salvage area of one directory: `<dir>/.salvage/`. A deleted file is moved there whole
// (a rename, never a copy) with a small record of its name, deletion time and deleter, and can
// be brought back under a name until the area is purged.
//
// Each entry is two files: NNNNNNNN.INF (the record, written and closed first) and NNNNNNNN.DAT
// (the content, renamed into place second). An entry counts only when both exist, so a crash
// between the two steps leaves the file where it was and no half entry in the area.
class SalvageArea
{
public:
    enum class RecoverResult { Recovered, NoSuchEntry, NameExists, BadName, Failed };

    explicit SalvageArea(const QString& directory);

    static QString folderName() { return QStringLiteral(".salvage"); }
    QString directory() const { return m_directory; }
    QString folderPath() const;

    // Moves `<dir>/fileName` into the area. Returns the new entry, or nothing when the file does
    // not exist or cannot be moved (the file then stays where it was).
    std::optional<SalvageEntry> deleteFile(const QString& fileName, const QString& deletedBy,
                                           const QDateTime& when = QDateTime::currentDateTime());

    // Entries in deletion order.
    std::vector<SalvageEntry> entries() const;
    // The first entry whose sequence is above `sequence` (0 gives the first of all).
    std::optional<SalvageEntry> entryAfter(quint32 sequence) const;
    std::optional<SalvageEntry> entry(quint32 sequence) const;
    // The sequences of the entries whose record and content are both there, ascending.
    std::vector<quint32> sequences() const;

    // Brings an entry back as `<dir>/name`; never replaces an existing file (the name is compared
    // ignoring case, as the file server's DOS name space does). A name equal to the entry's DOS
    // name ignoring case restores the file under its original name.
    RecoverResult recover(quint32 sequence, const QString& name);

    // Where an entry's content lies while it is in the area.
    QString contentPath(quint32 sequence) const;

private:
    QString recordPath(quint32 sequence) const;
    std::optional<quint32> claimSequence(const QByteArray& record) const;
    bool existsIgnoringCase(const QString& name) const;

    QString m_directory;
};

} // namespace store
