#include "StoreAdminDistributionList.h"

namespace store {

StoreAdminDistributionList::StoreAdminDistributionList(AdminDataPtr data, qint64 row)
    : m_data(std::move(data)), m_row(row)
{
}

QString StoreAdminDistributionList::Name()
{
    m_data->checkFault(QStringLiteral("Name"));
    return m_data->text(QStringLiteral("SELECT name FROM distribution_lists WHERE id = ?"), {m_row});
}

} // namespace store
