#include "StoreBuilder.h"

#include "store/ContentFiles.h"
#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>

namespace store {

StoreBuilder::StoreBuilder(Store& store) : m_store(store), m_documents(store) { }

namespace {

QString requireName(const QString& text, const char* what)
{
    const QString name = text.trimmed();
    if (name.isEmpty()) {
        throw StoreError(QStringLiteral("A %1 needs a name").arg(QLatin1String(what)));
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            throw StoreError(QStringLiteral("A %1 name cannot hold control characters").arg(QLatin1String(what)));
        }
    }
    return name;
}

qint64 requireRow(QSqlDatabase& db, const QString& sql, const QString& key, const QString& what)
{
    const qint64 row = Sql::scalar(db, sql, {key}).toLongLong();
    if (row == 0) {
        throw StoreError(QStringLiteral("No %1 %2 in the store").arg(what, key));
    }
    return row;
}

qint64 postOfficeRow(QSqlDatabase& db, const QString& name)
{
    return requireRow(db, QStringLiteral("SELECT id FROM post_offices WHERE name = ? ORDER BY id"), name,
                      QStringLiteral("post office"));
}

qint64 userRowOf(QSqlDatabase& db, const QString& userId)
{
    return requireRow(db, QStringLiteral("SELECT id FROM users WHERE user_id = ?"), userId, QStringLiteral("user"));
}

// A folder name for a library's content: its name cut to eight letters and
// digits, made unique with a number.
QString libraryFolder(QSqlDatabase& db, const QString& name)
{
    QString base;
    for (const QChar c : name.toUpper()) {
        if (base.size() < 8 && ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || c.isDigit())) {
            base += c;
        }
    }
    if (base.isEmpty()) {
        base = QStringLiteral("LIBRARY");
    }
    QString folder = base;
    for (int n = 2; Sql::scalar(db, QStringLiteral("SELECT 1 FROM libraries WHERE directory = ?"), {folder}).isValid();
         ++n) {
        folder = base.left(6) + QString::number(n);
    }
    return folder;
}

} // namespace

qint64 StoreBuilder::addDomain(const QString& name)
{
    const QString domain = requireName(name, "domain");
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const QVariant existing = Sql::scalar(db, QStringLiteral("SELECT id FROM domains WHERE name = ?"), {domain});
    if (existing.isValid()) {
        return existing.toLongLong();
    }
    const QString dn = QStringLiteral("CN=%1.O=%1").arg(domain);
    const QString path = QStringLiteral("domains/") + domain; // relative to the store (StorePaths)
    Sql::run(db, QStringLiteral("INSERT INTO domains(name, dn, path) VALUES(?, ?, ?)"), {domain, dn, path});
    const qint64 row = Sql::scalar(db, QStringLiteral("SELECT id FROM domains WHERE name = ?"), {domain}).toLongLong();
    transaction.commit();
    return row;
}

qint64 StoreBuilder::addPostOffice(const QString& domain, const QString& name)
{
    const QString po = requireName(name, "post office");
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 domainRow = addDomain(domain);
    if (Sql::scalar(db, QStringLiteral("SELECT 1 FROM post_offices WHERE name = ?"), {po}).isValid()) {
        throw StoreError(QStringLiteral("Post office %1 exists already").arg(po));
    }
    const QString dn = QStringLiteral("CN=%1.O=%2").arg(po, domain.trimmed());
    Sql::run(db, QStringLiteral("INSERT INTO post_offices(domain_id, name, dn) VALUES(?, ?, ?)"), {domainRow, po, dn});
    const qint64 row = Dialect::lastInsertedId(db);
    transaction.commit();
    return row;
}

qint64 StoreBuilder::addUser(const QString& postOffice, const QString& userId, const QString& givenName,
                             const QString& surname)
{
    const QString id = requireName(userId, "user").toUpper();
    if (id.contains(QLatin1Char('.')) || id.contains(QLatin1Char(' ')) || id.contains(QLatin1Char('"'))) {
        throw StoreError(QStringLiteral("A user ID cannot hold dots, blanks or quotes: %1").arg(userId));
    }
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 po = postOfficeRow(db, postOffice);
    if (m_store.userRow(id) != 0) {
        throw StoreError(QStringLiteral("User %1 exists already").arg(id));
    }
    QString display = QString(givenName.trimmed() + QLatin1Char(' ') + surname.trimmed()).trimmed();
    if (display.isEmpty()) {
        display = id;
    }
    Sql::run(db,
             QStringLiteral("INSERT INTO users(post_office_id, user_id, given_name, surname, display_name) "
                            "VALUES(?, ?, ?, ?, ?)"),
             {po, id, givenName.trimmed(), surname.trimmed(), display});
    const qint64 row = m_store.userRow(id);
    transaction.commit();
    return row;
}

void StoreBuilder::setUserActive(const QString& userId, bool active)
{
    QSqlDatabase db = m_store.database();
    Sql::run(db, QStringLiteral("UPDATE users SET active = ? WHERE id = ?"), {active ? 1 : 0, userRowOf(db, userId)});
}

qint64 StoreBuilder::addDistributionList(const QString& postOffice, const QString& name, const QStringList& memberIds)
{
    const QString list = requireName(name, "distribution list");
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 po = postOfficeRow(db, postOffice);
    Sql::run(db, QStringLiteral("INSERT INTO distribution_lists(post_office_id, name, display_name) VALUES(?, ?, ?)"),
             {po, list, list});
    const qint64 row = Dialect::lastInsertedId(db);
    for (const QString& member : memberIds) {
        Sql::run(
            db,
            QStringLiteral("INSERT INTO distribution_members(list_id, user_id) VALUES(?, ?) ON CONFLICT DO NOTHING"),
            {row, userRowOf(db, member)});
    }
    transaction.commit();
    return row;
}

void StoreBuilder::addDomainAdministrator(const QString& domain, const QString& userId)
{
    QSqlDatabase db = m_store.database();
    const qint64 domainRow = requireRow(db, QStringLiteral("SELECT id FROM domains WHERE name = ?"), domain.trimmed(),
                                        QStringLiteral("domain"));
    Sql::run(db, QStringLiteral("INSERT INTO domain_admins(domain_id, user_id) VALUES(?, ?) ON CONFLICT DO NOTHING"),
             {domainRow, userRowOf(db, userId)});
}

qint64 StoreBuilder::addLibrary(const QString& postOffice, const QString& name, const QString& description)
{
    const QString library = requireName(name, "library");
    if (library.contains(QLatin1Char('.'))) {
        throw StoreError(QStringLiteral("A library name cannot hold dots: %1").arg(library));
    }
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 po = postOfficeRow(db, postOffice);
    if (Sql::scalar(db, QStringLiteral("SELECT 1 FROM libraries WHERE post_office_id = ? AND name = ?"), {po, library})
            .isValid()) {
        throw StoreError(QStringLiteral("Library %1 exists already in post office %2").arg(library, postOffice));
    }
    const QString folder = libraryFolder(db, library);
    const QString dn = QStringLiteral("CN=%1.CN=%2").arg(library, postOffice.trimmed());
    Sql::run(db,
             QStringLiteral("INSERT INTO libraries(post_office_id, name, description, dn, directory) "
                            "VALUES(?, ?, ?, ?, ?)"),
             {po, library, description, dn, folder});
    const qint64 row = Dialect::lastInsertedId(db);
    if (!QDir().mkpath(m_store.libraryDirectory(folder))) {
        throw StoreError(
            QStringLiteral("Cannot create the library directory %1").arg(m_store.libraryDirectory(folder)));
    }
    transaction.commit();
    return row;
}

void StoreBuilder::setLibraryRights(const QString& library, const QString& userId, bool librarian, int rights)
{
    QSqlDatabase db = m_store.database();
    const qint64 lib = m_store.libraryRow(library);
    if (lib == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    Sql::run(db,
             QStringLiteral("INSERT INTO library_rights(library_id, user_id, librarian, rights) VALUES(?, ?, ?, ?) "
                            "ON CONFLICT(library_id, user_id) DO UPDATE SET librarian = excluded.librarian, "
                            "rights = excluded.rights"),
             {lib, userRowOf(db, userId), librarian ? 1 : 0, rights});
}

void StoreBuilder::setLibraryDefaultRights(const QString& library, bool librarian, int rights)
{
    QSqlDatabase db = m_store.database();
    const qint64 lib = m_store.libraryRow(library);
    if (lib == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    Sql::run(db, QStringLiteral("UPDATE libraries SET default_librarian = ?, default_rights = ? WHERE id = ?"),
             {librarian ? 1 : 0, rights, lib});
}

void StoreBuilder::setDefaultLibrary(const QString& userId, const QString& library)
{
    QSqlDatabase db = m_store.database();
    const qint64 lib = m_store.libraryRow(library);
    if (lib == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    Sql::run(db, QStringLiteral("UPDATE users SET default_library_id = ? WHERE id = ?"), {lib, userRowOf(db, userId)});
}

qint64 StoreBuilder::addDocumentType(const QString& library, const QString& name)
{
    const QString type = requireName(name, "document type");
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 lib = m_store.libraryRow(library);
    if (lib == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    const QVariant existing = Sql::scalar(
        db, QStringLiteral("SELECT id FROM document_types WHERE library_id = ? AND name = ?"), {lib, type});
    if (existing.isValid()) {
        return existing.toLongLong();
    }
    Sql::run(db,
             QStringLiteral("INSERT INTO document_types(library_id, name, position) VALUES(?, ?, "
                            "(SELECT COALESCE(MAX(position), 0) + 1 FROM document_types WHERE library_id = ?))"),
             {lib, type, lib});
    const qint64 row = Dialect::lastInsertedId(db);
    transaction.commit();
    return row;
}

qint64 StoreBuilder::addFieldDefinition(const QString& library, const QString& name, int fieldType)
{
    const QString field = requireName(name, "field");
    if (fieldType < 1 || fieldType > 3) {
        throw StoreError(QStringLiteral("Field type %1 is not 1 (text), 2 (numeric) or 3 (date)").arg(fieldType));
    }
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 lib = m_store.libraryRow(library);
    if (lib == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    if (Sql::scalar(db, QStringLiteral("SELECT 1 FROM field_definitions WHERE library_id = ? AND name = ?"),
                    {lib, field})
            .isValid()) {
        throw StoreError(QStringLiteral("Field %1 exists already in library %2").arg(field, library));
    }
    Sql::run(db,
             QStringLiteral("INSERT INTO field_definitions(library_id, name, field_type, position) VALUES(?, ?, ?, "
                            "(SELECT COALESCE(MAX(position), 0) + 1 FROM field_definitions WHERE library_id = ?))"),
             {lib, field, fieldType, lib});
    const qint64 row = Dialect::lastInsertedId(db);
    transaction.commit();
    return row;
}

} // namespace store
