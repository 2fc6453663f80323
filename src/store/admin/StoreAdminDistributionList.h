#pragma once

#include "gw/AdminDistributionList.h"
#include "store/admin/AdminData.h"

namespace store {

class StoreAdminDistributionList : public gw::AdminDistributionList
{
public:
    StoreAdminDistributionList(AdminDataPtr data, qint64 row);
    QString Name() override;

private:
    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
