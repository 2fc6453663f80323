#include "store/model/StoreRightsHolder.h"

#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/StoreSecurity.h"

namespace store {

StoreRightsHolder::StoreRightsHolder(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow)
    : m_context(std::move(context)), m_point(std::move(point)), m_documentRow(documentRow), m_rightsRow(rightsRow)
{
}

qint64 StoreRightsHolder::holderRow(const ContextPtr& context, qint64 documentRow, int kind)
{
    QSqlDatabase db = context->store->database();
    {
        // Read for every document a rights run visits.
        DirectRead row(db, "SELECT id FROM rights WHERE document_id = ? AND kind = ? ORDER BY id", {documentRow, kind});
        if (row.next()) {
            return row.integer(0);
        }
    }
    const int mask = kind == 0 ? 47 : 0;
    Sql::run(db,
             QStringLiteral("INSERT INTO rights(document_id, kind, official, current, other) VALUES(?, ?, ?, ?, ?)"),
             {documentRow, kind, mask, mask, mask});
    return Sql::scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
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
