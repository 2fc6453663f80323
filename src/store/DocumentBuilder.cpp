#include "DocumentBuilder.h"

#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store/ContentFiles.h"
#include "store/Dialect.h"
#include "store/EventLog.h"
#include "store/FieldValue.h"
#include "store/PendingChange.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StoreError.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSqlQuery>
#include <optional>

namespace store {

DocumentBuilder::DocumentBuilder(Store& store) : m_store(store) { }

struct DocumentBuilder::StoredContent
{
    std::optional<PendingChange> change;
    QString name;
    QString fileType;
    qint64 size = 0;
};

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

QVariant flag(const std::optional<bool>& value, const QVariant& old)
{
    return value ? QVariant(*value ? 1 : 0) : old;
}

void checkMasks(const LevelMasks& masks)
{
    for (int mask : {masks.official, masks.current, masks.other}) {
        if (mask < 0 || mask > 63) {
            throw StoreError(QStringLiteral("Rights mask %1 is outside 0..63").arg(mask));
        }
    }
}

} // namespace

qint64 DocumentBuilder::importDocument(const NewDocument& document, const NewVersion& firstVersion)
{
    if (document.number < 0) {
        throw StoreError(QStringLiteral("A document number cannot be negative"));
    }
    QSqlDatabase db = m_store.database();
    const qint64 lib = requireLibrary(document.library);
    const UserRef author = userOf(db, document.author);
    const UserRef creator = document.creator.isEmpty() ? author : userOf(db, document.creator);
    StoredContent content = storeContent(libraryFolderOf(lib), firstVersion);
    try {
        const qint64 number = insertDocument(lib, document, author.row, creator.row, firstVersion, content);
        content.change->finish();
        return number;
    } catch (...) {
        content.change->abandon();
        throw;
    }
}

qint64 DocumentBuilder::insertDocument(qint64 lib, const NewDocument& document, qint64 authorRow, qint64 creatorRow,
                                       const NewVersion& firstVersion, StoredContent& content)
{
    QSqlDatabase db = m_store.database();
    // The next number is read and taken under one lock: two imports at once number on.
    WriteTransaction sp(db);
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
        typeRow = StoreBuilder(m_store).addDocumentType(document.library, document.documentType);
    }
    const QDateTime created = document.created.isValid() ? document.created : QDateTime::currentDateTime();
    Sql::run(
        db,
        QStringLiteral("INSERT INTO documents(library_id, number, subject, author_id, creator_id, type_id, created) "
                       "VALUES(?, ?, ?, ?, ?, ?, ?)"),
        {lib, number, document.subject, authorRow, creatorRow, typeRow, Sql::fromDate(created)});
    const qint64 docRow = Dialect::lastInsertedId(db);
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
    addVersionTo(docRow, version, content);
    sp.commit();
    return number;
}

qint64 DocumentBuilder::requireLibrary(const QString& library)
{
    const qint64 row = m_store.libraryRow(library);
    if (row == 0) {
        throw StoreError(QStringLiteral("No library %1 in the store").arg(library));
    }
    return row;
}

QString DocumentBuilder::libraryFolderOf(qint64 libraryRow)
{
    QSqlDatabase db = m_store.database();
    return Sql::scalar(db, QStringLiteral("SELECT directory FROM libraries WHERE id = ?"), {libraryRow}).toString();
}

qint64 DocumentBuilder::requireDocument(qint64 libraryRow, qint64 number)
{
    QSqlDatabase db = m_store.database();
    const qint64 row = Sql::scalar(db, QStringLiteral("SELECT id FROM documents WHERE library_id = ? AND number = ?"),
                                   {libraryRow, number})
                           .toLongLong();
    if (row == 0) {
        throw StoreError(QStringLiteral("No document %1 in the library").arg(number));
    }
    return row;
}

qint64 DocumentBuilder::requireVersion(qint64 documentRow, int version)
{
    QSqlDatabase db = m_store.database();
    const qint64 row = Sql::scalar(db, QStringLiteral("SELECT id FROM versions WHERE document_id = ? AND number = ?"),
                                   {documentRow, version})
                           .toLongLong();
    if (row == 0) {
        throw StoreError(QStringLiteral("No version %1 of the document").arg(version));
    }
    return row;
}

int DocumentBuilder::addVersion(const QString& library, qint64 number, const NewVersion& version)
{
    const qint64 lib = requireLibrary(library);
    const qint64 docRow = requireDocument(lib, number);
    StoredContent content = storeContent(libraryFolderOf(lib), version);
    try {
        QSqlDatabase db = m_store.database();
        WriteTransaction sp(db);
        const int added = addVersionTo(docRow, version, content);
        sp.commit();
        content.change->finish();
        return added;
    } catch (...) {
        content.change->abandon();
        throw;
    }
}

DocumentBuilder::StoredContent DocumentBuilder::storeContent(const QString& folder, const NewVersion& version)
{
    if (!version.sourceFile.isEmpty() && !QFileInfo(version.sourceFile).isFile()) {
        throw StoreError(QStringLiteral("No file %1 to import").arg(version.sourceFile));
    }
    StoredContent content;
    content.fileType = version.fileType.isEmpty() ? suffixOf(version.sourceFile) : version.fileType;
    const ContentFiles files(m_store.libraryDirectory(folder));
    content.name = files.freshName(content.fileType);
    content.change.emplace(
        m_store,
        PendingChange::Intent {PendingChange::Kind::Import, 0, folder, content.name, QString(), QJsonObject()});
    try {
        content.size = version.sourceFile.isEmpty() ? files.storeBytesAs(version.content, content.name)
                                                    : files.storeFileAs(version.sourceFile, content.name);
    } catch (...) {
        content.change->abandon();
        throw;
    }
    return content;
}

int DocumentBuilder::addVersionTo(qint64 docRow, const NewVersion& version, StoredContent& content)
{
    QSqlDatabase db = m_store.database();
    QString folder;
    UserRef creator;
    {
        QSqlQuery lq = Sql::run(db,
                                QStringLiteral("SELECT l.directory, d.creator_id FROM documents d JOIN libraries l ON "
                                               "l.id = d.library_id WHERE d.id = ?"),
                                {docRow});
        if (!lq.next()) {
            throw StoreError(QStringLiteral("No such document in the store"));
        }
        folder = lq.value(0).toString();
        creator.row = lq.value(1).toLongLong();
    }
    if (!version.creator.isEmpty()) {
        creator = userOf(db, version.creator);
    }
    const ContentFiles files(m_store.libraryDirectory(folder));
    const int versionNumber
        = Sql::scalar(db, QStringLiteral("SELECT COALESCE(MAX(number), 0) + 1 FROM versions WHERE document_id = ?"),
                      {docRow})
              .toInt();
    const QDateTime created = version.created.isValid() ? version.created : QDateTime::currentDateTime();
    Sql::run(db,
             QStringLiteral("INSERT INTO versions(document_id, number, creator_id, created, expires, description, "
                            "file_type, content_file, size) VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)"),
             {docRow, versionNumber, creator.row, Sql::fromDate(created), Sql::fromDate(version.expires),
              version.description, content.fileType, content.name, content.size});
    const qint64 versionRow = Dialect::lastInsertedId(db);
    Sql::run(db, QStringLiteral("UPDATE documents SET current_version = ? WHERE id = ?"), {versionNumber, docRow});
    const QString creatorName
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {creator.row}).toString();
    EventLog::record(db, versionRow, gw::EventCreated, creator.row, creatorName, files.pathOf(content.name), created);
    content.change->committed(db, QString());
    return versionNumber;
}

void DocumentBuilder::setFieldValue(const QString& library, qint64 number, const QString& field, const QVariant& value)
{
    setFieldValueOf(requireDocument(requireLibrary(library), number), field, value);
}

void DocumentBuilder::setFieldValueOf(qint64 documentRow, const QString& field, const QVariant& value)
{
    QSqlDatabase db = m_store.database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT f.id, f.field_type FROM documents d JOIN field_definitions f ON "
                                          "f.library_id = d.library_id WHERE d.id = ? AND f.name = ?"),
                           {documentRow, field});
    if (!q.next()) {
        throw StoreError(QStringLiteral("The library defines no field %1").arg(field));
    }
    Sql::run(db,
             QStringLiteral("INSERT INTO field_values(document_id, field_id, value) VALUES(?, ?, ?) "
                            "ON CONFLICT(document_id, field_id) DO UPDATE SET value = excluded.value"),
             {documentRow, q.value(0), FieldValue::toStored(q.value(1).toInt(), value)});
}

void DocumentBuilder::setVersionState(const QString& library, qint64 number, int version, const VersionState& state)
{
    QSqlDatabase db = m_store.database();
    // The flags not named are written back as read: nobody changes them in between.
    WriteTransaction transaction(db);
    const qint64 docRow = requireDocument(requireLibrary(library), number);
    const qint64 versionRow = requireVersion(docRow, version);
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT archived, checked_out, in_use, read_write, retriever_id, retrieved, "
                                          "staged_file FROM versions WHERE id = ?"),
                           {versionRow});
    q.next();
    // A value read back is bound again as it was: NULL stays NULL (an unset date is "never"),
    // where a null text would otherwise be bound as empty text.
    const auto kept
        = [&q](int column) { return q.isNull(column) ? QVariant(QMetaType(QMetaType::LongLong)) : q.value(column); };
    QVariant retriever = kept(4);
    if (state.retriever) {
        retriever = state.retriever->isEmpty() ? QVariant(QMetaType(QMetaType::LongLong))
                                               : QVariant(requireUserRow(*state.retriever));
    }
    Sql::run(db,
             QStringLiteral("UPDATE versions SET archived = ?, checked_out = ?, in_use = ?, read_write = ?, "
                            "retriever_id = ?, retrieved = ?, staged_file = ? WHERE id = ?"),
             {flag(state.archived, q.value(0)), flag(state.checkedOut, q.value(1)), flag(state.inUse, q.value(2)),
              flag(state.readWrite, q.value(3)), retriever, state.retrieved ? Sql::fromDate(*state.retrieved) : kept(5),
              state.stagedFile ? QVariant(*state.stagedFile) : kept(6), versionRow});
    if (state.officialVersion) {
        requireVersion(docRow, *state.officialVersion);
        Sql::run(db, QStringLiteral("UPDATE documents SET official_version = ? WHERE id = ?"),
                 {*state.officialVersion, docRow});
    }
    transaction.commit();
}

void DocumentBuilder::purgeVersion(const QString& library, qint64 number, int version, const QString& deletorId)
{
    QSqlDatabase db = m_store.database();
    const qint64 lib = requireLibrary(library);
    const qint64 versionRow = requireVersion(requireDocument(lib, number), version);
    const qint64 deletor = requireUserRow(deletorId);
    const QString deletorName
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {deletor}).toString();
    const QString folder = libraryFolderOf(lib);
    // The write order: the purge is recorded with its deletion event in one transaction, and only
    // then is the file moved; a move that fails takes the event back, so nothing has changed. The
    // content file purged is the one current under that transaction's lock.
    std::optional<PendingChange> change;
    QString path;
    qint64 event = 0;
    try {
        WriteTransaction sp(db);
        const QString name
            = Sql::scalar(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"), {versionRow})
                  .toString();
        path = ContentFiles(m_store.libraryDirectory(folder)).pathOf(name);
        if (name.isEmpty() || !QFileInfo(path).isFile()) {
            throw StoreError(
                QStringLiteral("Version %1 of document %2 has no content file to purge").arg(version).arg(number));
        }
        change.emplace(m_store,
                       PendingChange::Intent {PendingChange::Kind::Purge, versionRow, folder, QString(), name,
                                              QJsonObject {{QStringLiteral("by"), deletorName}}});
        EventLog::record(db, versionRow, gw::EventDeleted, deletor, deletorName, path);
        event = Dialect::lastInsertedId(db);
        change->committed(db, name);
        sp.commit();
    } catch (...) {
        if (change)
            change->abandon();
        throw;
    }
    if (!ContentFiles::salvage(path, deletorName)) {
        try {
            WriteTransaction sp(db);
            Sql::run(db, QStringLiteral("DELETE FROM events WHERE id = ?"), {event});
            Sql::run(db, QStringLiteral("DELETE FROM pending WHERE id = ?"), {change->row()});
            sp.commit();
        } catch (const StoreError&) {
            // Locked now: the change stays committed, and the next open moves the file.
        }
        throw StoreError(QStringLiteral("Cannot move %1 into the salvage area").arg(path));
    }
    change->finish();
}

void DocumentBuilder::setRights(const QString& library, qint64 number, const RightsSpec& rights)
{
    QSqlDatabase db = m_store.database();
    WriteTransaction transaction(db);
    const qint64 docRow = requireDocument(requireLibrary(library), number);
    auto setHolder = [&](int kind, const LevelMasks& masks) {
        checkMasks(masks);
        Sql::run(db, QStringLiteral("DELETE FROM rights WHERE document_id = ? AND kind = ?"), {docRow, kind});
        Sql::run(
            db, QStringLiteral("INSERT INTO rights(document_id, kind, official, current, other) VALUES(?, ?, ?, ?, ?)"),
            {docRow, kind, masks.official, masks.current, masks.other});
    };
    if (rights.creator) {
        setHolder(0, *rights.creator);
    }
    if (rights.general) {
        setHolder(1, *rights.general);
    }
    if (rights.sharing) {
        Sql::run(db, QStringLiteral("DELETE FROM rights WHERE document_id = ? AND kind = 2"), {docRow});
        int position = 0;
        for (const SharingSpec& entry : *rights.sharing) {
            checkMasks(entry.masks);
            QVariant user {QMetaType(QMetaType::LongLong)};
            QVariant list {QMetaType(QMetaType::LongLong)};
            QString display = entry.name.trimmed();
            QSqlQuery u
                = Sql::run(db, QStringLiteral("SELECT id, display_name FROM users WHERE user_id = ?"), {display});
            if (u.next()) {
                user = u.value(0);
                display = u.value(1).toString();
            } else {
                QSqlQuery l = Sql::run(
                    db, QStringLiteral("SELECT id, display_name FROM distribution_lists WHERE name = ?"), {display});
                if (l.next()) {
                    list = l.value(0);
                    display = l.value(1).toString();
                }
            }
            if (display.isEmpty()) {
                throw StoreError(QStringLiteral("A sharing-list entry needs a name"));
            }
            Sql::run(db,
                     QStringLiteral("INSERT INTO rights(document_id, kind, position, user_id, list_id, display_name, "
                                    "official, current, other, revoke_all, modify_security) "
                                    "VALUES(?, 2, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                     {docRow, ++position, user, list, display, entry.masks.official, entry.masks.current,
                      entry.masks.other, entry.revokeAll ? 1 : 0, entry.modifySecurity ? 1 : 0});
        }
    }
    transaction.commit();
}

void DocumentBuilder::addEvent(const QString& library, qint64 number, int version, int eventType, const QString& userId,
                               const QDateTime& when)
{
    if (eventType < 0) {
        throw StoreError(QStringLiteral("An event type cannot be negative"));
    }
    QSqlDatabase db = m_store.database();
    const qint64 lib = requireLibrary(library);
    const qint64 versionRow = requireVersion(requireDocument(lib, number), version);
    const qint64 user = requireUserRow(userId);
    const QString userName
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {user}).toString();
    const QString name
        = Sql::scalar(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"), {versionRow}).toString();
    EventLog::record(db, versionRow, eventType, user, userName,
                     ContentFiles(m_store.libraryDirectory(libraryFolderOf(lib))).pathOf(name),
                     when.isValid() ? when : QDateTime::currentDateTime());
}

qint64 DocumentBuilder::requireUserRow(const QString& userId)
{
    const qint64 row = m_store.userRow(userId);
    if (row == 0) {
        throw StoreError(QStringLiteral("No user %1 in the store").arg(userId));
    }
    return row;
}

} // namespace store
