#include "StoreAdminDomain.h"

#include "store/Store.h"
#include "store/StorePaths.h"

namespace store {

StoreAdminDomain::StoreAdminDomain(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

QString StoreAdminDomain::Name()
{
    m_data->checkFault(QStringLiteral("Name"));
    return m_data->text(QStringLiteral("SELECT name FROM domains WHERE id = ?"), {m_row});
}

QString StoreAdminDomain::DistinguishedName()
{
    m_data->checkFault(QStringLiteral("DistinguishedName"));
    const QString dn = m_data->text(QStringLiteral("SELECT dn FROM domains WHERE id = ?"), {m_row});
    return dn.isEmpty() ? Name() : dn;
}

// A domain without a recorded database directory lives in the store's own directory.
QString StoreAdminDomain::Path()
{
    m_data->checkFault(QStringLiteral("Path"));
    const QString path = m_data->text(QStringLiteral("SELECT path FROM domains WHERE id = ?"), {m_row});
    return path.isEmpty() ? m_data->store().directory() : StorePaths::resolved(m_data->store().directory(), path);
}

} // namespace store
