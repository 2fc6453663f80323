#include "store/model/StoreAccount.h"

#include "gw/Error.h"
#include "store/Services.h"
#include "store/Sql.h"
#include "store/model/Guard.h"
#include "store/model/ListCollection.h"
#include "store/model/RowLoader.h"
#include "store/model/StoreAddressEntry.h"
#include "store/model/StoreFolder.h"
#include "store/model/StoreLibrary.h"
#include "store/model/StoreTrash.h"

#if __has_include("store/query/QueryService.h")
#include "store/query/QueryService.h"
#define TW_STORE_HAS_QUERY 1
#endif
#if __has_include("store/addressbook/AddressBookService.h")
#include "store/addressbook/AddressBookService.h"
#define TW_STORE_HAS_ADDRESS_BOOKS 1
#endif

namespace store {

StoreAccount::StoreAccount(ContextPtr context) : m_context(std::move(context)) { }

std::shared_ptr<gw::Collection<gw::Library>> StoreAccount::DocumentLibraries()
{
    guard(m_context, {}, "DocumentLibraries");
    QSqlDatabase db = m_context->store->database();
    std::vector<std::shared_ptr<gw::Library>> libraries;
    for (LibraryRow& row : RowLoader::libraries(*m_context->store, db)) {
        libraries.push_back(std::make_shared<StoreLibrary>(m_context, std::move(row)));
    }
    auto context = m_context;
    return std::make_shared<ListCollection<gw::Library>>(
        std::move(libraries), [context](const char* member, int) { guard(context, {}, member); });
}

std::shared_ptr<gw::Library> StoreAccount::DefaultDocumentLibrary()
{
    guard(m_context, {}, "DefaultDocumentLibrary");
    QSqlDatabase db = m_context->store->database();
    const qint64 row
        = Sql::scalar(db, QStringLiteral("SELECT default_library_id FROM users WHERE id = ?"), {m_context->userRow})
              .toLongLong();
    const auto library = row == 0 ? std::nullopt : RowLoader::library(*m_context->store, db, row);
    if (!library) {
        throw gw::Error(QStringLiteral("No default document library is set for %1").arg(m_context->userId));
    }
    return std::make_shared<StoreLibrary>(m_context, *library);
}

std::shared_ptr<gw::AddressEntry> StoreAccount::Owner()
{
    guard(m_context, {}, "Owner");
    return StoreAddressEntry::user(m_context, m_context->userRow, m_context->displayName);
}

QString StoreAccount::ConvertEMailAddress(const std::shared_ptr<gw::AddressEntry>& address, int mode)
{
    guard(m_context, {}, "ConvertEMailAddress");
    auto entry = std::dynamic_pointer_cast<StoreAddressEntry>(address);
    if (!entry || mode != 0) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
    QSqlDatabase db = m_context->store->database();
    QSqlQuery q(db);
    if (entry->userRow() != 0) {
        q = Sql::run(db,
                     QStringLiteral("SELECT d.name, p.name, u.user_id FROM users u JOIN post_offices p ON p.id = "
                                    "u.post_office_id JOIN domains d ON d.id = p.domain_id WHERE u.id = ?"),
                     {entry->userRow()});
    } else if (entry->listRow() != 0) {
        q = Sql::run(db,
                     QStringLiteral("SELECT d.name, p.name, l.name FROM distribution_lists l JOIN post_offices p ON "
                                    "p.id = l.post_office_id JOIN domains d ON d.id = p.domain_id WHERE l.id = ?"),
                     {entry->listRow()});
    } else {
        // Someone no longer in the system: only the name is left.
        return entry->name();
    }
    if (!q.next()) {
        throw gw::Error(QStringLiteral("The address %1 is no longer in the system").arg(entry->name()));
    }
    return q.value(0).toString() + QLatin1Char('.') + q.value(1).toString() + QLatin1Char('.') + q.value(2).toString();
}

std::shared_ptr<gw::Query> StoreAccount::CreateQuery()
{
    guard(m_context, {}, "CreateQuery");
#ifdef TW_STORE_HAS_QUERY
    return createQuery(m_context);
#else
    throw gw::Error(QStringLiteral("Searching is not available in this store"));
#endif
}

std::shared_ptr<gw::Folder> StoreAccount::DocumentsFolder()
{
    guard(m_context, {}, "DocumentsFolder");
    return std::make_shared<StoreFolder>(m_context);
}

std::shared_ptr<gw::Trash> StoreAccount::Trash()
{
    guard(m_context, {}, "Trash");
    return std::make_shared<StoreTrash>(m_context);
}

std::shared_ptr<gw::Collection<gw::AddressBook>> StoreAccount::AddressBooks()
{
    guard(m_context, {}, "AddressBooks");
#ifdef TW_STORE_HAS_ADDRESS_BOOKS
    return createAddressBooks(m_context);
#else
    throw gw::Error(QStringLiteral("Address books are not available in this store"));
#endif
}

} // namespace store
