#include "StoreAdminAccessRights.h"

#include "gw/Error.h"
#include "store/admin/StoreAdminUserRights.h"

namespace store {

StoreAdminAccessRights::StoreAdminAccessRights(AdminDataPtr data, qint64 libraryRow)
    : m_data(std::move(data)), m_libraryRow(libraryRow)
{
}

// A user without an explicit entry is an invalid argument, as it is for an unknown user or
// another kind of key: the caller then falls back to the library's default rights.
std::shared_ptr<gw::AdminUserRights> StoreAdminAccessRights::Item(const QString& userId, int kind)
{
    m_data->checkLibraryFault(QStringLiteral("Item"), m_libraryRow);
    if (kind != ByUserId)
        throw gw::Error(invalidArgument());
    const auto rows = m_data->rows(QStringLiteral("SELECT r.user_id FROM library_rights r JOIN users u"
                                                  " ON u.id = r.user_id WHERE r.library_id = ? AND u.user_id = ?"),
                                   {m_libraryRow, userId.trimmed()});
    if (rows.isEmpty())
        throw gw::Error(invalidArgument());
    return std::make_shared<StoreAdminUserRights>(m_data, m_libraryRow, rows.first());
}

} // namespace store
