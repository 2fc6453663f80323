#pragma once

#include "gw/AdminPostOffices.h"
#include "store/admin/AdminData.h"

namespace store {

// The post offices of the connected domain.
class StoreAdminPostOffices : public gw::AdminPostOffices
{
public:
    StoreAdminPostOffices(AdminDataPtr data, qint64 domainRow);

    std::shared_ptr<gw::AdminIterator<gw::AdminPostOffice>> CreateIterator() override;
    std::shared_ptr<gw::AdminPostOffice> Item(const QString& name,
                                              const std::shared_ptr<gw::AdminDomain>& domain) override;

private:
    AdminDataPtr m_data;
    qint64 m_domainRow;
};

} // namespace store
