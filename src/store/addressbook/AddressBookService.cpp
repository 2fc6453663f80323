#include "AddressBookService.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/ListCollection.h"

namespace store {

std::shared_ptr<gw::Collection<gw::AddressBook>> createAddressBooks(const ContextPtr& context)
{
    std::vector<std::shared_ptr<gw::AddressBook>> books;
    books.push_back(std::make_shared<StoreAddressBook>(context, 0, StoreAddressBook::systemBookName()));
    QSqlDatabase db = context->store->database();
    auto rows = Sql::run(db,
                         QStringLiteral("SELECT id, name FROM address_books WHERE owner_id IS NULL OR owner_id = ?"
                                        " ORDER BY id"),
                         {context->userRow});
    while (rows.next())
        books.push_back(
            std::make_shared<StoreAddressBook>(context, rows.value(0).toLongLong(), rows.value(1).toString()));
    return std::make_shared<ListCollection<gw::AddressBook>>(std::move(books));
}

} // namespace store
