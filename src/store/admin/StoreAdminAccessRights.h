#pragma once

#include "gw/AdminAccessRights.h"
#include "store/admin/AdminData.h"

namespace store {

// A library's explicit access rights, looked up by user ID.
class StoreAdminAccessRights : public gw::AdminAccessRights
{
public:
    static constexpr int ByUserId = 6;
    static QString invalidArgument() { return QStringLiteral("An invalid argument was passed in the function call"); }

    StoreAdminAccessRights(AdminDataPtr data, qint64 libraryRow);
    std::shared_ptr<gw::AdminUserRights> Item(const QString& userId, int kind) override;

private:
    AdminDataPtr m_data;
    qint64 m_libraryRow;
};

} // namespace store
