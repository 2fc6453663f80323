#include "AdminData.h"

#include "store/Sql.h"
#include "store/Store.h"

namespace store {

AdminData::AdminData(std::shared_ptr<Store> store) : m_store(std::move(store)) { }

QSqlDatabase AdminData::database()
{
    return m_store->database();
}

void AdminData::checkFault(const QString& member, const QString& libraryId, const QString& libraryName)
{
    if (!m_store->faults().any())
        return;
    FaultPoint point;
    point.member = member;
    point.library = libraryId;
    point.libraryName = libraryName;
    m_store->faults().check(point);
}

QList<qint64> AdminData::rows(const QString& sql, const QVariantList& binds)
{
    QSqlDatabase db = database();
    auto query = Sql::run(db, sql, binds);
    QList<qint64> out;
    while (query.next())
        out << query.value(0).toLongLong();
    return out;
}

QString AdminData::text(const QString& sql, const QVariantList& binds)
{
    QSqlDatabase db = database();
    return Sql::scalar(db, sql, binds).toString();
}

} // namespace store
