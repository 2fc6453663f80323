#pragma once

#include <QDateTime>
#include <QString>

namespace tw {

// The date an exported or checked-out file gets, and the setting of it.
class FileDate
{
public:
    // The version's creation date, or its retrieval date when that is later;
    // null when both are.
    static QDateTime versionDate(const QDateTime& created, const QDateTime& retrieved);
    // Sets a file's modification time to `when`, rounded down to an even second
    // (a file date's two-second steps). False when it cannot be set.
    static bool redate(const QString& path, const QDateTime& when);
};

} // namespace tw
