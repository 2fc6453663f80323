#include "StoreAddressBook.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/addressbook/AddressEntryList.h"
#include "store/model/StoreAddressEntry.h"

namespace store {

StoreAddressBook::StoreAddressBook(ContextPtr context, qint64 row, QString name)
    : m_context(std::move(context)), m_row(row), m_name(std::move(name))
{
}

void StoreAddressBook::checkFault(const char* member)
{
    if (m_context->store->faults().any()) {
        FaultPoint point;
        point.member = QLatin1String(member);
        m_context->store->faults().check(point);
    }
}

QString StoreAddressBook::Name()
{
    checkFault("Name");
    return m_name;
}

std::shared_ptr<gw::AddressEntries> StoreAddressBook::AddressBookEntries()
{
    checkFault("AddressBookEntries");
    QSqlDatabase db = m_context->store->database();
    const QString sql = m_row == 0
        ? QStringLiteral("SELECT id, 0, display_name FROM users WHERE active <> 0"
                         " UNION ALL SELECT 0, id, display_name FROM distribution_lists ORDER BY 3, 1, 2")
        : QStringLiteral("SELECT COALESCE(user_id, 0), COALESCE(list_id, 0), display_name FROM address_entries"
                         " WHERE book_id = ? ORDER BY id");
    auto rows = Sql::run(db, sql, m_row == 0 ? QVariantList() : QVariantList {m_row});
    std::vector<std::shared_ptr<gw::AddressEntry>> entries;
    while (rows.next()) {
        entries.push_back(std::make_shared<StoreAddressEntry>(m_context, rows.value(0).toLongLong(),
                                                              rows.value(1).toLongLong(), rows.value(2).toString()));
    }
    return std::make_shared<AddressEntryList>(std::move(entries));
}

} // namespace store
