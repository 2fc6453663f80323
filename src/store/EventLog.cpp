#include "store/EventLog.h"

#include "store/Sql.h"
#include "store/StorePaths.h"

namespace store {

void EventLog::record(QSqlDatabase& db, qint64 versionRow, int eventType, qint64 userRow, const QString& userName,
                      const QString& fileName, const QDateTime& when)
{
    // Every copy-out of a mass export records one event: the statement is prepared once.
    QSqlQuery& q = Sql::cached(
        db,
        QStringLiteral("INSERT INTO events(version_id, event_type, user_id, user_name, created, file_name) "
                       "VALUES(?, ?, ?, ?, ?, ?)"),
        {versionRow, eventType, userRow == 0 ? QVariant(QMetaType(QMetaType::LongLong)) : QVariant(userRow), userName,
         Sql::fromDate(when), StorePaths::recorded(StorePaths::directoryOf(db), fileName)});
    q.finish();
}

} // namespace store
