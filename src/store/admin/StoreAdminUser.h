#pragma once

#include "gw/AdminUser.h"
#include "store/admin/AdminData.h"

namespace store {

class StoreAdminUser : public gw::AdminUser
{
public:
    StoreAdminUser(AdminDataPtr data, qint64 row);

    QString GivenName() override;
    QString Surname() override;
    QString MailBoxID() override;

private:
    QString column(const char* name, const char* member);

    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
