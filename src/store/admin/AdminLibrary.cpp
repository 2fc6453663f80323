#include "AdminLibrary.h"

#include "store/admin/AdminAccessRights.h"
#include "store/admin/AdminDomain.h"
#include "store/admin/AdminPostOffice.h"
#include "store/admin/AdminUserRights.h"

namespace store {

AdminLibrary::AdminLibrary(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

void AdminLibrary::checkFault(const char* member)
{
    m_data->checkLibraryFault(QLatin1String(member), m_row);
}

std::shared_ptr<gw::AdminDomain> AdminLibrary::Domain()
{
    checkFault("Domain");
    const auto rows = m_data->rows(QStringLiteral("SELECT p.domain_id FROM libraries l JOIN post_offices p"
                                                  " ON p.id = l.post_office_id WHERE l.id = ?"),
                                   {m_row});
    return std::make_shared<AdminDomain>(m_data, rows.value(0));
}

std::shared_ptr<gw::AdminPostOffice> AdminLibrary::PostOffice()
{
    checkFault("PostOffice");
    const auto rows = m_data->rows(QStringLiteral("SELECT post_office_id FROM libraries WHERE id = ?"), {m_row});
    return std::make_shared<AdminPostOffice>(m_data, rows.value(0));
}

QString AdminLibrary::Name()
{
    checkFault("Name");
    return m_data->text(QStringLiteral("SELECT name FROM libraries WHERE id = ?"), {m_row});
}

// Without a recorded name the library is named below its post office and domain.
QString AdminLibrary::DistinguishedName()
{
    checkFault("DistinguishedName");
    const QString dn = m_data->text(QStringLiteral("SELECT dn FROM libraries WHERE id = ?"), {m_row});
    if (!dn.isEmpty())
        return dn;
    const QStringList parts = m_data->libraryId(m_row).split(QLatin1Char('.'));
    QStringList reversed(parts.crbegin(), parts.crend());
    return reversed.join(QLatin1Char('.'));
}

std::shared_ptr<gw::AdminAccessRights> AdminLibrary::DMSAccessRights()
{
    checkFault("DMSAccessRights");
    return std::make_shared<AdminAccessRights>(m_data, m_row);
}

std::shared_ptr<gw::AdminUserRights> AdminLibrary::DefaultRights()
{
    checkFault("DefaultRights");
    return std::make_shared<AdminUserRights>(m_data, m_row, 0);
}

} // namespace store
