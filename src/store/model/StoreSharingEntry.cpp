#include "store//model/StoreSharingEntry.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/RightsWriter.h"
#include "store/model/StoreAddressEntry.h"

namespace store {

namespace {

gw::Error gone()
{
    return gw::Error(QStringLiteral("The sharing-list entry no longer exists"));
}

} // namespace

StoreSharingEntry::StoreSharingEntry(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow)
    : m_context(context)
    , m_point(point)
    , m_documentRow(documentRow)
    , m_rightsRow(rightsRow)
    , m_levels(context, point, documentRow, rightsRow)
{
}

std::shared_ptr<gw::VersionSecurity> StoreSharingEntry::SecurityOfficialVersion()
{
    return m_levels.SecurityOfficialVersion();
}

std::shared_ptr<gw::VersionSecurity> StoreSharingEntry::SecurityCurrentVersions()
{
    return m_levels.SecurityCurrentVersions();
}

std::shared_ptr<gw::VersionSecurity> StoreSharingEntry::SecurityOtherVersions()
{
    return m_levels.SecurityOtherVersions();
}

std::shared_ptr<gw::AddressEntry> StoreSharingEntry::User()
{
    guard(m_context, m_point, "User");
    QSqlDatabase db = m_context->store->database();
    DirectRead q(db,
                 "SELECT r.user_id, r.list_id, COALESCE(u.display_name, l.display_name, r.display_name) FROM rights r "
                 "LEFT JOIN users u ON u.id = r.user_id LEFT JOIN distribution_lists l ON l.id = r.list_id "
                 "WHERE r.id = ?",
                 {m_rightsRow});
    if (!q.next()) {
        throw gone();
    }
    return std::make_shared<StoreAddressEntry>(m_context, q.isNull(0) ? 0 : q.integer(0),
                                               q.isNull(1) ? 0 : q.integer(1), q.text(2));
}

int StoreSharingEntry::flag(const char* member, const char* column)
{
    guard(m_context, m_point, member);
    QSqlDatabase db = m_context->store->database();
    const char* sql = qstrcmp(column, "revoke_all") == 0 ? "SELECT revoke_all FROM rights WHERE id = ?"
                                                         : "SELECT modify_security FROM rights WHERE id = ?";
    DirectRead value(db, sql, {m_rightsRow});
    if (!value.next()) {
        throw gone();
    }
    return static_cast<int>(value.integer(0));
}

void StoreSharingEntry::setFlag(const char* member, const char* column, bool value)
{
    guard(m_context, m_point, member);
    RightsWriter::requireModify(m_context, m_documentRow);
    QSqlDatabase db = m_context->store->database();
    Savepoint sp(db);
    QSqlQuery q = Sql::run(db, QStringLiteral("UPDATE rights SET %1 = ? WHERE id = ?").arg(QLatin1String(column)),
                           {value ? 1 : 0, m_rightsRow});
    if (q.numRowsAffected() != 1) {
        throw gone();
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    sp.commit();
}

bool StoreSharingEntry::RevokeAllRights()
{
    return flag("RevokeAllRights", "revoke_all") != 0;
}

void StoreSharingEntry::setRevokeAllRights(bool revoke)
{
    setFlag("RevokeAllRights", "revoke_all", revoke);
}

bool StoreSharingEntry::ModifySecurity()
{
    return flag("ModifySecurity", "modify_security") != 0;
}

void StoreSharingEntry::setModifySecurity(bool modify)
{
    setFlag("ModifySecurity", "modify_security", modify);
}

void StoreSharingEntry::Delete()
{
    guard(m_context, m_point, "Delete");
    RightsWriter::requireModify(m_context, m_documentRow);
    QSqlDatabase db = m_context->store->database();
    Savepoint sp(db);
    QSqlQuery q = Sql::run(db, QStringLiteral("DELETE FROM rights WHERE id = ? AND kind = 2"), {m_rightsRow});
    if (q.numRowsAffected() != 1) {
        throw gone();
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    sp.commit();
}

} // namespace store
