#pragma once

#include "gw/AdminDistributionList.h"
#include "store/admin/AdminData.h"

namespace store {

class AdminDistributionList : public gw::AdminDistributionList
{
public:
    AdminDistributionList(AdminDataPtr data, qint64 row);
    QString Name() override;

private:
    AdminDataPtr m_data;
    qint64 m_row;
};

} // namespace store
