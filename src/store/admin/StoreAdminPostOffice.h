#pragma once

#include "gw/AdminPostOffice.h"
#include "store/admin/AdminData.h"

namespace store {

class StoreAdminPostOffice : public gw::AdminPostOffice
{
public:
    StoreAdminPostOffice(AdminDataPtr data, qint64 row);

    QString Name() override;
    // The users still in the system, in the order they were added.
    std::shared_ptr<gw::AdminCollection<gw::AdminUser>> Users() override;
    std::shared_ptr<gw::AdminCollection<gw::AdminDistributionList>> DistributionLists() override;
    std::shared_ptr<gw::AdminCollection<gw::AdminLibrary>> Libraries() override;

private:
    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
