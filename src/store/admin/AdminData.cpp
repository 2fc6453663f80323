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

void AdminData::checkLibraryFault(const QString& member, qint64 libraryRow)
{
    if (!m_store->faults().any())
        return;
    checkFault(member, libraryId(libraryRow),
               text(QStringLiteral("SELECT name FROM libraries WHERE id = ?"), {libraryRow}));
}

QString AdminData::libraryId(qint64 libraryRow)
{
    return text(QStringLiteral("SELECT d.name || '.' || p.name || '.' || l.name FROM libraries l"
                               " JOIN post_offices p ON p.id = l.post_office_id"
                               " JOIN domains d ON d.id = p.domain_id WHERE l.id = ?"),
                {libraryRow});
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
