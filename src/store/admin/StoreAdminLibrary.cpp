#include "StoreAdminLibrary.h"

#include "store/admin/StoreAdminAccessRights.h"
#include "store/admin/StoreAdminDomain.h"
#include "store/admin/StoreAdminPostOffice.h"
#include "store/admin/StoreAdminUserRights.h"

namespace store {

StoreAdminLibrary::StoreAdminLibrary(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

void StoreAdminLibrary::checkFault(const char* member)
{
    m_data->checkLibraryFault(QLatin1String(member), m_row);
}

std::shared_ptr<gw::AdminDomain> StoreAdminLibrary::Domain()
{
    checkFault("Domain");
    const auto rows = m_data->rows(QStringLiteral("SELECT p.domain_id FROM libraries l JOIN post_offices p"
                                                  " ON p.id = l.post_office_id WHERE l.id = ?"),
                                   {m_row});
    return std::make_shared<StoreAdminDomain>(m_data, rows.value(0));
}

std::shared_ptr<gw::AdminPostOffice> StoreAdminLibrary::PostOffice()
{
    checkFault("PostOffice");
    const auto rows = m_data->rows(QStringLiteral("SELECT post_office_id FROM libraries WHERE id = ?"), {m_row});
    return std::make_shared<StoreAdminPostOffice>(m_data, rows.value(0));
}

QString StoreAdminLibrary::Name()
{
    checkFault("Name");
    return m_data->text(QStringLiteral("SELECT name FROM libraries WHERE id = ?"), {m_row});
}

// Without a recorded name the library is named below its post office and domain.
QString StoreAdminLibrary::DistinguishedName()
{
    checkFault("DistinguishedName");
    const QString dn = m_data->text(QStringLiteral("SELECT dn FROM libraries WHERE id = ?"), {m_row});
    if (!dn.isEmpty())
        return dn;
    const QStringList parts = m_data->libraryId(m_row).split(QLatin1Char('.'));
    QStringList reversed(parts.crbegin(), parts.crend());
    return reversed.join(QLatin1Char('.'));
}

std::shared_ptr<gw::AdminAccessRights> StoreAdminLibrary::DMSAccessRights()
{
    checkFault("DMSAccessRights");
    return std::make_shared<StoreAdminAccessRights>(m_data, m_row);
}

std::shared_ptr<gw::AdminUserRights> StoreAdminLibrary::DefaultRights()
{
    checkFault("DefaultRights");
    return std::make_shared<StoreAdminUserRights>(m_data, m_row, 0);
}

} // namespace store
