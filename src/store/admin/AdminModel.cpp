#include "AdminModel.h"

#include "gw/Error.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/admin/StoreAdminDomain.h"
#include "store/admin/StoreAdminPostOffices.h"
#include "store/directory/DirectoryName.h"

namespace store {

AdminModel::AdminModel(std::shared_ptr<Store> store) : m_data(std::make_shared<AdminData>(std::move(store))) { }

// A domain is named by its distinguished name in any form the directory accepts (typed or
// typeless, any case, with or without the leading dot), or by its plain name.
qint64 AdminModel::domainByDN(const QString& domainDN)
{
    QSqlDatabase db = m_data->database();
    auto rows = Sql::run(db, QStringLiteral("SELECT id, name, dn FROM domains ORDER BY id"));
    while (rows.next()) {
        const QString dn = rows.value(2).toString();
        if ((!dn.isEmpty() && DirectoryName::same(dn, domainDN))
            || rows.value(1).toString().compare(domainDN.trimmed(), Qt::CaseInsensitive) == 0)
            return rows.value(0).toLongLong();
    }
    return 0;
}

void AdminModel::ConnectbyDN(const QString& domainDN, const QString& /*password*/)
{
    m_data->checkFault(QStringLiteral("ConnectbyDN"));
    m_domainRow = 0;
    const qint64 domain = domainByDN(domainDN);
    if (domain == 0)
        throw gw::Error(QStringLiteral("The domain \"%1\" cannot be found").arg(domainDN));
    const QString user = m_data->store().clientUser();
    const auto admins = m_data->rows(QStringLiteral("SELECT a.user_id FROM domain_admins a JOIN users u"
                                                    " ON u.id = a.user_id WHERE a.domain_id = ? AND u.user_id = ?"
                                                    " AND u.active <> 0"),
                                     {domain, user});
    if (admins.isEmpty())
        throw gw::Error(
            QStringLiteral("Access denied: %1 is not an administrator of the domain \"%2\"").arg(user, domainDN));
    m_domainRow = domain;
}

void AdminModel::requireConnection() const
{
    if (m_domainRow == 0)
        throw gw::Error(QStringLiteral("Not connected to a domain"));
}

std::shared_ptr<gw::AdminDomain> AdminModel::ConnectedDomain()
{
    m_data->checkFault(QStringLiteral("ConnectedDomain"));
    requireConnection();
    return std::make_shared<StoreAdminDomain>(m_data, m_domainRow);
}

std::shared_ptr<gw::AdminPostOffices> AdminModel::PostOffices()
{
    m_data->checkFault(QStringLiteral("PostOffices"));
    requireConnection();
    return std::make_shared<store::StoreAdminPostOffices>(m_data, m_domainRow);
}

} // namespace store
