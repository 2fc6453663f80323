#include "StoreAdminPostOffice.h"

#include "store/admin/AdminRowIterator.h"
#include "store/admin/StoreAdminDistributionList.h"
#include "store/admin/StoreAdminLibrary.h"
#include "store/admin/StoreAdminUser.h"

namespace store {

namespace {

template <typename Interface, typename Object>
std::shared_ptr<gw::AdminCollection<Interface>> rowCollection(const AdminDataPtr& data, const QString& sql,
                                                              qint64 postOffice)
{
    return std::make_shared<AdminRowCollection<Interface>>(
        [data, sql, postOffice] { return data->rows(sql, {postOffice}); },
        [data](qint64 row) { return std::make_shared<Object>(data, row); });
}

} // namespace

StoreAdminPostOffice::StoreAdminPostOffice(AdminDataPtr data, qint64 row) : m_data(std::move(data)), m_row(row) { }

QString StoreAdminPostOffice::Name()
{
    m_data->checkFault(QStringLiteral("Name"));
    return m_data->text(QStringLiteral("SELECT name FROM post_offices WHERE id = ?"), {m_row});
}

std::shared_ptr<gw::AdminCollection<gw::AdminUser>> StoreAdminPostOffice::Users()
{
    m_data->checkFault(QStringLiteral("Users"));
    return rowCollection<gw::AdminUser, StoreAdminUser>(
        m_data, QStringLiteral("SELECT id FROM users WHERE post_office_id = ? AND active <> 0 ORDER BY id"), m_row);
}

std::shared_ptr<gw::AdminCollection<gw::AdminDistributionList>> StoreAdminPostOffice::DistributionLists()
{
    m_data->checkFault(QStringLiteral("DistributionLists"));
    return rowCollection<gw::AdminDistributionList, StoreAdminDistributionList>(
        m_data, QStringLiteral("SELECT id FROM distribution_lists WHERE post_office_id = ? ORDER BY id"), m_row);
}

std::shared_ptr<gw::AdminCollection<gw::AdminLibrary>> StoreAdminPostOffice::Libraries()
{
    m_data->checkFault(QStringLiteral("Libraries"));
    return rowCollection<gw::AdminLibrary, StoreAdminLibrary>(
        m_data, QStringLiteral("SELECT id FROM libraries WHERE post_office_id = ? ORDER BY id"), m_row);
}

} // namespace store
