#include "store//model/StoreSharingEntry.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/model/DirectRead.h"
#include "store/model/Guard.h"
#include "store/model/ModifySecurityRule.h"
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

bool StoreSharingEntry::RevokeAllRights()
{
    guard(m_context, m_point, "RevokeAllRights");
    QSqlDatabase db = m_context->store->database();
    DirectRead value(db, "SELECT revoke_all FROM rights WHERE id = ?", {m_rightsRow});
    if (!value.next()) {
        throw gone();
    }
    return value.integer(0) != 0;
}

void StoreSharingEntry::setRevokeAllRights(bool revoke)
{
    write("RevokeAllRights", QStringLiteral("UPDATE rights SET revoke_all = ? WHERE id = ?"), revoke);
}

bool StoreSharingEntry::ModifySecurity()
{
    guard(m_context, m_point, "ModifySecurity");
    QSqlDatabase db = m_context->store->database();
    DirectRead value(db, "SELECT official | current | other, modify_security FROM rights WHERE id = ?", {m_rightsRow});
    if (!value.next()) {
        throw gone();
    }
    return ModifySecurityRule::holds(static_cast<int>(value.integer(0)), value.integer(1) != 0);
}

// The right is kept in the flag alone, so that false takes away a bit 8 of a level mask too.
void StoreSharingEntry::setModifySecurity(bool modify)
{
    write("ModifySecurity",
          QStringLiteral("UPDATE rights SET modify_security = ?, official = official & ~%1, current = current & ~%1, "
                         "other = other & ~%1 WHERE id = ?")
              .arg(ModifySecurityRule::kBit),
          modify);
}

void StoreSharingEntry::write(const char* member, const QString& sql, bool value)
{
    guard(m_context, m_point, member);
    QSqlDatabase db = m_context->store->database();
    WriteTransaction transaction(db);
    RightsWriter::requireModify(m_context, m_documentRow);
    QSqlQuery q = Sql::run(db, sql, {value ? 1 : 0, m_rightsRow});
    if (q.numRowsAffected() != 1) {
        throw gone();
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    transaction.commit();
}

void StoreSharingEntry::Delete()
{
    guard(m_context, m_point, "Delete");
    QSqlDatabase db = m_context->store->database();
    WriteTransaction transaction(db);
    RightsWriter::requireModify(m_context, m_documentRow);
    QSqlQuery q = Sql::run(db, QStringLiteral("DELETE FROM rights WHERE id = ? AND kind = 2"), {m_rightsRow});
    if (q.numRowsAffected() != 1) {
        throw gone();
    }
    RightsWriter::recordChange(m_context, m_documentRow);
    transaction.commit();
}

} // namespace store
