#include "StoreAdminUser.h"

namespace store {

StoreAdminUser::StoreAdminUser(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

QString StoreAdminUser::column(const char* name, const char* member)
{
    m_data->checkFault(QLatin1String(member));
    return m_data->text(QStringLiteral("SELECT %1 FROM users WHERE id = ?").arg(QLatin1String(name)), {m_row});
}

QString StoreAdminUser::GivenName()
{
    return column("given_name", "GivenName");
}

QString StoreAdminUser::Surname()
{
    return column("surname", "Surname");
}

QString StoreAdminUser::MailBoxID()
{
    return column("user_id", "MailBoxID");
}

} // namespace store
