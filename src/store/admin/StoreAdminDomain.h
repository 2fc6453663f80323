#pragma once

#include "gw/AdminDomain.h"
#include "store/admin/AdminData.h"

namespace store {

class StoreAdminDomain : public gw::AdminDomain
{
public:
    StoreAdminDomain(AdminDataPtr data, qint64 row);
    qint64 row() const { return m_row; }

    QString Name() override;
    QString DistinguishedName() override;
    QString Path() override;

private:
    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
