#include "store/model/StoreRightsHolder.h"

#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/StoreSecurity.h"

namespace store {

StoreRightsHolder::StoreRightsHolder(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow)
    : m_context(std::move(context)), m_point(std::move(point)), m_documentRow(documentRow), m_rightsRow(rightsRow)
{
}

namespace {

// The row of the document's holder of that kind, or 0.
qint64 existingHolder(QSqlDatabase& db, qint64 documentRow, int kind)
{
    // Read for every document a rights run visits.
    DirectRead row(db, "SELECT id FROM rights WHERE document_id = ? AND kind = ? ORDER BY id", {documentRow, kind});
    return row.next() ? row.integer(0) : 0;
}

} // namespace

qint64 StoreRightsHolder::holderRow(const ContextPtr& context, qint64 documentRow, int kind)
{
    QSqlDatabase db = context->store->database();
    if (const qint64 row = existingHolder(db, documentRow, kind)) {
        return row;
    }
    // Looked for again under the lock: two programs reading the same document add one holder.
    WriteTransaction transaction(db);
    if (const qint64 row = existingHolder(db, documentRow, kind)) {
        return row;
    }
    const int mask = kind == 0 ? 47 : 0;
    Sql::run(db,
             QStringLiteral("INSERT INTO rights(document_id, kind, official, current, other) VALUES(?, ?, ?, ?, ?)"),
             {documentRow, kind, mask, mask, mask});
    const qint64 row = Dialect::lastInsertedId(db);
    transaction.commit();
    return row;
}

std::shared_ptr<gw::VersionSecurity> StoreRightsHolder::level(const char* member, const char* column)
{
    guard(m_context, m_point, member);
    return std::make_shared<StoreSecurity>(m_context, m_point, m_documentRow, m_rightsRow, QLatin1String(column));
}

std::shared_ptr<gw::VersionSecurity> StoreRightsHolder::SecurityOfficialVersion()
{
    return level("SecurityOfficialVersion", "official");
}

std::shared_ptr<gw::VersionSecurity> StoreRightsHolder::SecurityCurrentVersions()
{
    return level("SecurityCurrentVersions", "current");
}

std::shared_ptr<gw::VersionSecurity> StoreRightsHolder::SecurityOtherVersions()
{
    return level("SecurityOtherVersions", "other");
}

} // namespace store
