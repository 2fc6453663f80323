#include "AddressBookWriter.h"

#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"

namespace store {

qint64 AddressBookWriter::addBook(Store& store, const QString& name, const QString& ownerId)
{
    if (name.trimmed().isEmpty())
        throw StoreError(QStringLiteral("An address book needs a name"));
    QVariant owner;
    if (!ownerId.isEmpty()) {
        const qint64 row = store.userRow(ownerId);
        if (row == 0)
            throw StoreError(QStringLiteral("No user %1 in the store").arg(ownerId));
        owner = row;
    }
    QSqlDatabase db = store.database();
    Sql::run(db, QStringLiteral("INSERT INTO address_books(name, owner_id) VALUES(?, ?)"), {name.trimmed(), owner});
    return Dialect::lastInsertedId(db);
}

void AddressBookWriter::addEntry(Store& store, qint64 book, const QString& name, const QString& displayName)
{
    QSqlDatabase db = store.database();
    if (!Sql::scalar(db, QStringLiteral("SELECT 1 FROM address_books WHERE id = ?"), {book}).isValid())
        throw StoreError(QStringLiteral("No address book %1 in the store").arg(book));
    QVariant user, list;
    QString shown = displayName;
    if (const qint64 row = store.userRow(name)) {
        user = row;
        if (shown.isEmpty())
            shown = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {row}).toString();
    } else if (const QVariant listRow = Sql::scalar(db,
                                                    QStringLiteral("SELECT id FROM distribution_lists"
                                                                   " WHERE name = ?"),
                                                    {name});
               listRow.isValid()) {
        list = listRow;
        if (shown.isEmpty())
            shown
                = Sql::scalar(db, QStringLiteral("SELECT display_name FROM distribution_lists WHERE id = ?"), {listRow})
                      .toString();
    }
    if (shown.isEmpty())
        shown = name;
    Sql::run(db,
             QStringLiteral("INSERT INTO address_entries(book_id, display_name, user_id, list_id) VALUES(?, ?, ?, ?)"),
             {book, shown, user, list});
}

} // namespace store
