#include "QueryHitMessages.h"

#include "gw/Error.h"
#include "store/Services.h"
#include "store/Sql.h"
#include "store/Store.h"

namespace store {

QueryHitMessages::QueryHitMessages(ContextPtr context, std::shared_ptr<QueryHitList> hits)
    : m_context(std::move(context)), m_hits(std::move(hits))
{
}

int QueryHitMessages::Count()
{
    checkFault(QStringLiteral("Count"), nullptr);
    return m_hits->count();
}

std::shared_ptr<gw::Message> QueryHitMessages::Item(int index)
{
    const int count = m_hits->count();
    if (index < 1 || index > count) {
        throw gw::Error(QStringLiteral("Index %1 is outside the collection").arg(index));
    }
    const QueryHit hit = m_hits->at(index - 1);
    checkFault(QStringLiteral("Item"), &hit);
    return makeReference(m_context, hit.versionRow);
}

std::shared_ptr<gw::Message> QueryHitMessages::Add(const QString&, const std::shared_ptr<gw::Version>&, int)
{
    throw gw::Error(QStringLiteral("Document references cannot be added to the results of a query"));
}

std::shared_ptr<gw::Messages> QueryHitMessages::Find(const QString& expression)
{
    std::vector<qint64> rows;
    const int count = m_hits->count();
    rows.reserve(size_t(count));
    QHash<qint64, QueryHit> byRow;
    for (int i = 0; i < count; ++i) {
        const QueryHit hit = m_hits->at(i);
        rows.push_back(hit.versionRow);
        byRow.insert(hit.versionRow, hit);
    }
    auto found = std::make_shared<QueryHitList>();
    for (qint64 row : matchVersions(m_context, expression, rows)) {
        found->append(byRow.value(row));
    }
    return std::make_shared<QueryHitMessages>(m_context, found);
}

void QueryHitMessages::checkFault(const QString& member, const QueryHit* hit)
{
    FaultRules& faults = m_context->store->faults();
    if (!faults.any()) {
        return;
    }
    FaultPoint point;
    point.member = member;
    if (hit) {
        const QPair<QString, QString> names = libraryNames(hit->libraryRow);
        point.library = names.first;
        point.libraryName = names.second;
        point.document = hit->document;
        point.version = hit->version;
    }
    faults.check(point);
}

QPair<QString, QString> QueryHitMessages::libraryNames(qint64 libraryRow)
{
    auto it = m_libraryNames.constFind(libraryRow);
    if (it != m_libraryNames.constEnd()) {
        return it.value();
    }
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT dm.name || '.' || p.name || '.' || l.name, l.name FROM libraries l "
                                          "JOIN post_offices p ON p.id = l.post_office_id "
                                          "JOIN domains dm ON dm.id = p.domain_id WHERE l.id = ?"),
                           {libraryRow});
    QPair<QString, QString> names;
    if (q.next()) {
        names = {q.value(0).toString(), q.value(1).toString()};
    }
    m_libraryNames.insert(libraryRow, names);
    return names;
}

} // namespace store
