// The building calls of store::Store that change versions' state, rights and histories.
#include "gw/VersionEvent.h"
#include "store/ContentFiles.h"
#include "store/EventLog.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QFileInfo>
#include <QSqlQuery>

namespace store {

namespace {

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

void Store::setVersionState(const QString& library, qint64 number, int version, const VersionState& state)
{
    QSqlDatabase db = database();
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
    Savepoint sp(db);
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
    sp.commit();
}

void Store::purgeVersion(const QString& library, qint64 number, int version, const QString& deletorId)
{
    QSqlDatabase db = database();
    const qint64 lib = requireLibrary(library);
    const qint64 versionRow = requireVersion(requireDocument(lib, number), version);
    const qint64 deletor = requireUserRow(deletorId);
    const QString deletorName
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {deletor}).toString();
    const QString name
        = Sql::scalar(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"), {versionRow}).toString();
    const QString path = ContentFiles(libraryDirectory(libraryFolderOf(lib))).pathOf(name);
    if (name.isEmpty() || !QFileInfo(path).isFile()) {
        throw StoreError(
            QStringLiteral("Version %1 of document %2 has no content file to purge").arg(version).arg(number));
    }
    if (!ContentFiles::salvage(path, deletorName)) {
        throw StoreError(QStringLiteral("Cannot move %1 into the salvage area").arg(path));
    }
    EventLog::record(db, versionRow, gw::EventDeleted, deletor, deletorName, path);
}

void Store::setRights(const QString& library, qint64 number, const RightsSpec& rights)
{
    QSqlDatabase db = database();
    const qint64 docRow = requireDocument(requireLibrary(library), number);
    Savepoint sp(db);
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
            QVariant user(QMetaType(QMetaType::LongLong));
            QVariant list(QMetaType(QMetaType::LongLong));
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
    sp.commit();
}

void Store::addEvent(const QString& library, qint64 number, int version, int eventType, const QString& userId,
                     const QDateTime& when)
{
    if (eventType < 0) {
        throw StoreError(QStringLiteral("An event type cannot be negative"));
    }
    QSqlDatabase db = database();
    const qint64 lib = requireLibrary(library);
    const qint64 versionRow = requireVersion(requireDocument(lib, number), version);
    const qint64 user = requireUserRow(userId);
    const QString userName
        = Sql::scalar(db, QStringLiteral("SELECT display_name FROM users WHERE id = ?"), {user}).toString();
    const QString name
        = Sql::scalar(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"), {versionRow}).toString();
    EventLog::record(db, versionRow, eventType, user, userName,
                     ContentFiles(libraryDirectory(libraryFolderOf(lib))).pathOf(name),
                     when.isValid() ? when : QDateTime::currentDateTime());
}

qint64 Store::requireUserRow(const QString& userId)
{
    const qint64 row = userRow(userId);
    if (row == 0) {
        throw StoreError(QStringLiteral("No user %1 in the store").arg(userId));
    }
    return row;
}

} // namespace store
