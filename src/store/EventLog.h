#pragma once

#include <QDateTime>
#include <QSqlDatabase>
#include <QString>

namespace store {

// Records activity events of versions: who did what, when, to which
// content file (given as its full path, recorded relative to the store: StorePaths).
class EventLog
{
public:
    // `when` defaults to now; it is stored as milliseconds since the epoch, so
    // the time in UTC saves a round through the local time zone.
    static void record(QSqlDatabase& db, qint64 versionRow, int eventType, qint64 userRow, const QString& userName,
                       const QString& fileName, const QDateTime& when = QDateTime::currentDateTimeUtc());
};

} // namespace store
