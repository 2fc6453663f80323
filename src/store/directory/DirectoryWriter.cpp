#include "DirectoryWriter.h"

#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/directory/DirectoryName.h"
#include "store/directory/StoreDirectory.h"

namespace store {

void DirectoryWriter::putObject(Store& store, const QString& dn, const QString& objectClass,
                                const Attributes& attributes)
{
    if (!DirectoryName::typelessParts(dn))
        throw StoreError(QStringLiteral("Not a directory name: \"%1\"").arg(dn));
    QSqlDatabase db = store.database();
    WriteTransaction savepoint(db);
    Sql::run(db, QStringLiteral("INSERT INTO directory_objects(dn, object_class) VALUES(?, ?) ON CONFLICT DO NOTHING"),
             {dn, objectClass});
    const qint64 id
        = Sql::scalar(db, QStringLiteral("SELECT id FROM directory_objects WHERE dn = ?"), {dn}).toLongLong();
    Sql::run(db, QStringLiteral("UPDATE directory_objects SET object_class = ? WHERE id = ?"), {objectClass, id});
    for (const auto& attribute : attributes) {
        Sql::run(db, QStringLiteral("DELETE FROM directory_attributes WHERE object_id = ? AND name = ?"),
                 {id, attribute.first});
        for (int i = 0; i < attribute.second.size(); ++i) {
            Sql::run(db,
                     QStringLiteral("INSERT INTO directory_attributes(object_id, name, position, value)"
                                    " VALUES(?, ?, ?, ?)"),
                     {id, attribute.first, i, attribute.second.at(i)});
        }
    }
    savepoint.commit();
}

void DirectoryWriter::setNameContext(Store& store, const QString& context)
{
    store.setSetting(StoreDirectory::contextSetting(), context);
}

} // namespace store
