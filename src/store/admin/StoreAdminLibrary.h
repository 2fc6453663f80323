#pragma once

#include "gw/AdminLibrary.h"
#include "store/admin/AdminData.h"

namespace store {

class StoreAdminLibrary : public gw::AdminLibrary
{
public:
    StoreAdminLibrary(AdminDataPtr data, qint64 row);

    std::shared_ptr<gw::AdminDomain> Domain() override;
    std::shared_ptr<gw::AdminPostOffice> PostOffice() override;
    QString Name() override;
    QString DistinguishedName() override;
    std::shared_ptr<gw::AdminAccessRights> DMSAccessRights() override;
    std::shared_ptr<gw::AdminUserRights> DefaultRights() override;

private:
    void checkFault(const char* member);

    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
