// What the object model offers the store modules built beside it (Services.h).
#include "gw/Error.h"
#include "store/Services.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/StoreAddressEntry.h"
#include "store/model/StoreLibrary.h"
#include "store/model/StoreMessage.h"

namespace store {

std::shared_ptr<gw::Message> makeReference(const ContextPtr& context, qint64 versionRow)
{
    QSqlDatabase db = context->store->database();
    if (!Sql::scalar(db, QStringLiteral("SELECT 1 FROM versions WHERE id = ?"), {versionRow}).isValid()) {
        throw gw::Error(QStringLiteral("The document version no longer exists"));
    }
    return std::make_shared<StoreMessage>(context, 0, versionRow, QStringLiteral("HIT.%1").arg(versionRow));
}

qint64 libraryRowOf(const std::shared_ptr<gw::Library>& library)
{
    auto own = std::dynamic_pointer_cast<StoreLibrary>(library);
    return own ? own->row() : 0;
}

qint64 addressUserRow(const std::shared_ptr<gw::AddressEntry>& entry)
{
    auto own = std::dynamic_pointer_cast<StoreAddressEntry>(entry);
    return own ? own->userRow() : 0;
}

qint64 addressListRow(const std::shared_ptr<gw::AddressEntry>& entry)
{
    auto own = std::dynamic_pointer_cast<StoreAddressEntry>(entry);
    return own ? own->listRow() : 0;
}

std::shared_ptr<gw::AddressEntry> makeUserEntry(const ContextPtr& context, qint64 userRow)
{
    QSqlDatabase db = context->store->database();
    const QString name
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {userRow}).toString();
    return std::make_shared<StoreAddressEntry>(context, userRow, 0, name);
}

std::shared_ptr<gw::AddressEntry> makeListEntry(const ContextPtr& context, qint64 listRow)
{
    QSqlDatabase db = context->store->database();
    const QString name
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM distribution_lists WHERE id = ?"), {listRow})
              .toString();
    return std::make_shared<StoreAddressEntry>(context, 0, listRow, name);
}

} // namespace store
