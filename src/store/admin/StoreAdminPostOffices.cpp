#include "StoreAdminPostOffices.h"

#include "gw/Error.h"
#include "store/Dialect.h"
#include "store/Store.h"
#include "store/admin/AdminRowIterator.h"
#include "store/admin/StoreAdminDomain.h"
#include "store/admin/StoreAdminPostOffice.h"

namespace store {

StoreAdminPostOffices::StoreAdminPostOffices(AdminDataPtr data, qint64 domainRow)
    : m_data(std::move(data)), m_domainRow(domainRow)
{
}

std::shared_ptr<gw::AdminIterator<gw::AdminPostOffice>> StoreAdminPostOffices::CreateIterator()
{
    m_data->checkFault(QStringLiteral("CreateIterator"));
    auto data = m_data;
    return std::make_shared<AdminRowIterator<gw::AdminPostOffice>>(
        m_data->rows(QStringLiteral("SELECT id FROM post_offices WHERE domain_id = ? ORDER BY id"), {m_domainRow}),
        [data](qint64 row) { return std::make_shared<StoreAdminPostOffice>(data, row); });
}

// Post office names are compared ignoring case, as the administration model does; the domain
// is looked up by its name, so any domain object naming the same domain will do.
std::shared_ptr<gw::AdminPostOffice> StoreAdminPostOffices::Item(const QString& name,
                                                                 const std::shared_ptr<gw::AdminDomain>& domain)
{
    m_data->checkFault(QStringLiteral("Item"));
    const QString domainName = domain ? domain->Name() : QString();
    QSqlDatabase db = m_data->store().database();
    const auto rows = m_data->rows(QStringLiteral("SELECT p.id FROM post_offices p JOIN domains d ON d.id = p.domain_id"
                                                  " WHERE %1 AND %2")
                                       .arg(Dialect::equalsIgnoringCase(db, QStringLiteral("d.name")),
                                            Dialect::equalsIgnoringCase(db, QStringLiteral("p.name"))),
                                   {domainName, name.trimmed()});
    if (rows.isEmpty())
        throw gw::Error(
            QStringLiteral("The post office \"%1\" cannot be found in domain \"%2\"").arg(name, domainName));
    return std::make_shared<StoreAdminPostOffice>(m_data, rows.first());
}

} // namespace store
