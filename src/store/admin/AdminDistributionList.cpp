#include "AdminDistributionList.h"

namespace store {

AdminDistributionList::AdminDistributionList(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

QString AdminDistributionList::Name()
{
    m_data->checkFault(QStringLiteral("Name"));
    return m_data->text(QStringLiteral("SELECT name FROM distribution_lists WHERE id = ?"), {m_row});
}

} // namespace store
