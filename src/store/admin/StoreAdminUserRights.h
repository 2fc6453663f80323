#pragma once

#include "gw/AdminUserRights.h"
#include "store/admin/AdminData.h"

namespace store {

// One user's explicit rights in a library, or (without a user) the library's default rights.
class StoreAdminUserRights : public gw::AdminUserRights
{
public:
    StoreAdminUserRights(AdminDataPtr data, qint64 libraryRow, qint64 userRow);
    bool IsLibrarian() override;

private:
    AdminDataPtr m_data;
    qint64 m_libraryRow;
    qint64 m_userRow; // 0: the default rights
};

} // namespace store
