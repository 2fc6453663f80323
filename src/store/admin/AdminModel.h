#pragma once

#include "gw/Admin.h"
#include "store/admin/AdminData.h"

namespace store {

// The administration object. It acts for the store's client user, as the administration
// client acts for the workstation's user: ConnectbyDN succeeds only when that user is one of
// the domain's administrators.
class AdminModel : public gw::Admin
{
public:
    explicit AdminModel(std::shared_ptr<Store> store);

    void ConnectbyDN(const QString& domainDN, const QString& password) override;
    std::shared_ptr<gw::AdminDomain> ConnectedDomain() override;
    std::shared_ptr<gw::AdminPostOffices> PostOffices() override;

private:
    qint64 domainByDN(const QString& domainDN);
    void requireConnection() const;

    AdminDataPtr m_data;
    qint64 m_domainRow = 0;
};

} // namespace store
