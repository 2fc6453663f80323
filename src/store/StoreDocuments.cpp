// The building calls of store::Store for documents, versions, rights and events.
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/ContentFiles.h"
#include "store/EventLog.h"
#include "store/FieldValue.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

namespace store {

namespace {

const int kFullRights = gw::RightView | gw::RightEdit | gw::RightDelete | gw::RightShare | gw::RightModifySecurity;

struct UserRef
{
    qint64 row = 0;
    QString name;
};

UserRef userOf(QSqlDatabase& db, const QString& userId)
{
    QSqlQuery q = Sql::run(db, QStringLiteral("SELECT id, display_name FROM users WHERE user_id = ?"), {userId});
    if (!q.next()) {
        throw StoreError(QStringLiteral("No user %1 in the store").arg(userId));
    }
    return {q.value(0).toLongLong(), q.value(1).toString()};
}

QString suffixOf(const QString& path)
{
    return QFileInfo(path).suffix();
}

} // namespace

qint64 Store::importDocument(const NewDocument& document, const NewVersion& firstVersion)
{
    QSqlDatabase db = database();
    const qint64 lib = requireLibrary(document.library);
    if (document.number < 0) {
        throw StoreError(QStringLiteral("A document number cannot be negative"));
    }
    const UserRef author = userOf(db, document.author);
    const UserRef creator = document.creator.isEmpty() ? author : userOf(db, document.creator);
    Savepoint sp(db);
    qint64 number = document.number;
    if (number == 0) {
        number
            = Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM documents WHERE library_id = ?"),
                          {lib})
                  .toLongLong();
    } else if (Sql::scalar(db, QStringLiteral("SELECT 1 FROM documents WHERE library_id = ? AND number = ?"),
                           {lib, number})
                   .isValid()) {
        throw StoreError(QStringLiteral("Document %1 exists already in library %2").arg(number).arg(document.library));
    }
    QVariant typeRow;
    if (!document.documentType.trimmed().isEmpty()) {
        typeRow = addDocumentType(document.library, document.documentType);
    }
    const QDateTime created = document.created.isValid() ? document.created : QDateTime::currentDateTime();
    Sql::run(
        db,
        QStringLiteral("INSERT INTO documents(library_id, number, subject, author_id, creator_id, type_id, created) "
                       "VALUES(?, ?, ?, ?, ?, ?, ?)"),
        {lib, number, document.subject, author.row, creator.row, typeRow, Sql::fromDate(created)});
    const qint64 docRow = Sql::scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
    Sql::run(db,
             QStringLiteral("INSERT INTO rights(document_id, kind, official, current, other) VALUES(?, 0, ?, ?, ?), "
                            "(?, 1, 0, 0, 0)"),
             {docRow, kFullRights, kFullRights, kFullRights, docRow});
    for (auto it = document.fields.constBegin(); it != document.fields.constEnd(); ++it) {
        setFieldValueOf(docRow, it.key(), it.value());
    }
    NewVersion version = firstVersion;
    if (version.creator.isEmpty()) {
        version.creator = document.creator.isEmpty() ? document.author : document.creator;
    }
    if (!version.created.isValid()) {
        version.created = created;
    }
    addVersionTo(docRow, version);
    sp.commit();
    return number;
}

qint64 Store::requireLibrary(const QString& library)
{
    const qint64 row = libraryRow(library);
    if (row == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    return row;
}

QString Store::libraryFolderOf(qint64 libraryRow)
{
    QSqlDatabase db = database();
    return Sql::scalar(db, QStringLiteral("SELECT directory FROM libraries WHERE id = ?"), {libraryRow}).toString();
}

qint64 Store::requireDocument(qint64 libraryRow, qint64 number)
{
    QSqlDatabase db = database();
    const qint64 row = Sql::scalar(db, QStringLiteral("SELECT id FROM documents WHERE library_id = ? AND number = ?"),
                                   {libraryRow, number})
                           .toLongLong();
    if (row == 0) {
        throw StoreError(QStringLiteral("No document %1 in the library").arg(number));
    }
    return row;
}

qint64 Store::requireVersion(qint64 documentRow, int version)
{
    QSqlDatabase db = database();
    const qint64 row = Sql::scalar(db, QStringLiteral("SELECT id FROM versions WHERE document_id = ? AND number = ?"),
                                   {documentRow, version})
                           .toLongLong();
    if (row == 0) {
        throw StoreError(QStringLiteral("No version %1 of the document").arg(version));
    }
    return row;
}

int Store::addVersion(const QString& library, qint64 number, const NewVersion& version)
{
    return addVersionTo(requireDocument(requireLibrary(library), number), version);
}

int Store::addVersionTo(qint64 docRow, const NewVersion& version)
{
    QSqlDatabase db = database();
    QSqlQuery lq = Sql::run(db,
                            QStringLiteral("SELECT l.directory, d.creator_id FROM documents d JOIN libraries l ON "
                                           "l.id = d.library_id WHERE d.id = ?"),
                            {docRow});
    if (!lq.next()) {
        throw StoreError(QStringLiteral("No such document in the store"));
    }
    const QString folder = lq.value(0).toString();
    UserRef creator;
    if (version.creator.isEmpty()) {
        creator.row = lq.value(1).toLongLong();
    } else {
        creator = userOf(db, version.creator);
    }
    if (!version.sourceFile.isEmpty() && !QFileInfo(version.sourceFile).isFile()) {
        throw StoreError(QStringLiteral("No file %1 to import").arg(version.sourceFile));
    }
    const QString fileType = version.fileType.isEmpty() ? suffixOf(version.sourceFile) : version.fileType;
    ContentFiles files(libraryDirectory(folder));
    qint64 size = 0;
    const QString name = version.sourceFile.isEmpty() ? files.storeBytes(version.content, fileType, size)
                                                      : files.storeFile(version.sourceFile, fileType, size);
    try {
        Savepoint sp(db);
        const int versionNumber
            = Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM versions WHERE document_id = ?"),
                          {docRow})
                  .toInt();
        const QDateTime created = version.created.isValid() ? version.created : QDateTime::currentDateTime();
        Sql::run(db,
                 QStringLiteral("INSERT INTO versions(document_id, number, creator_id, created, expires, description, "
                                "file_type, content_file, size) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                 {docRow, versionNumber, creator.row, Sql::fromDate(created), Sql::fromDate(version.expires),
                  version.description, fileType, name, size});
        const qint64 versionRow = Sql::scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
        Sql::run(db, QStringLiteral("UPDATE documents SET current_version = ? WHERE id = ?"), {versionNumber, docRow});
        const QString creatorName
            = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {creator.row}).toString();
        EventLog::record(db, versionRow, gw::EventCreated, creator.row, creatorName, files.pathOf(name), created);
        sp.commit();
        return versionNumber;
    } catch (...) {
        QFile::remove(files.pathOf(name));
        throw;
    }
}

void Store::setFieldValue(const QString& library, qint64 number, const QString& field, const QVariant& value)
{
    setFieldValueOf(requireDocument(requireLibrary(library), number), field, value);
}

void Store::setFieldValueOf(qint64 documentRow, const QString& field, const QVariant& value)
{
    QSqlDatabase db = database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT f.id, f.field_type FROM documents d JOIN field_definitions f ON "
                                          "f.library_id = d.library_id WHERE d.id = ? AND f.name = ?"),
                           {documentRow, field});
    if (!q.next()) {
        throw StoreError(QStringLiteral("The library defines no field %1").arg(field));
    }
    Sql::run(db, QStringLiteral("INSERT OR REPLACE INTO field_values(document_id, field_id, value) VALUES(?, ?, ?)"),
             {documentRow, q.value(0), FieldValue::toStored(q.value(1).toInt(), value)});
}

} // namespace store
