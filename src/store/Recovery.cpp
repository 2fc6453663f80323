#include "store/Recovery.h"

#include "store/PendingChange.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/StoreOwner.h"
#include "store/demo/Generator.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlQuery>

namespace store {

namespace {

using Kind = PendingChange::Kind;

// The name a temporary file was written for: ".NAME.xxxxxxxx.tmp" gives NAME.
QString temporaryFor(const QString& name)
{
    static const int suffix = QStringLiteral(".xxxxxxxx.tmp").size();
    if (!name.startsWith(QLatin1Char('.')) || !name.endsWith(QLatin1String(".tmp")) || name.size() <= suffix + 1)
        return QString();
    return name.mid(1, name.size() - 1 - suffix);
}

// The name a salvage record keeps of its file.
QString recordedName(const QString& recordPath)
{
    QFile file(recordPath);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return QJsonDocument::fromJson(file.readAll()).object().value(QLatin1String("name")).toString();
}

// The records of the salvage area of `directory` whose content is missing, for the file `name`
// (any file when `name` is empty).
QStringList recordsWithoutContent(const QString& directory, const QString& name = QString())
{
    const QDir area(SalvageArea(directory).folderPath());
    QStringList found;
    for (const QString& record : area.entryList({QStringLiteral("*.INF")}, QDir::Files | QDir::Hidden)) {
        const QString path = area.filePath(record);
        if (QFileInfo::exists(path.chopped(4) + QStringLiteral(".DAT")))
            continue;
        if (name.isEmpty() || recordedName(path) == name)
            found << path;
    }
    return found;
}

bool inGeneratedRange(const QString& name, const QJsonObject& detail)
{
    const qint64 first = detail.value(QLatin1String("first")).toInteger();
    const qint64 count = detail.value(QLatin1String("count")).toInteger();
    if (count <= 0 || !name.startsWith(QLatin1Char('G')))
        return false;
    bool ok = false;
    const qint64 number = name.mid(1, 7).toLongLong(&ok, 16);
    return ok && number >= first && number < first + count && name == Generator::fileNameOf(number);
}

} // namespace

struct Recovery::Pending
{
    qint64 row = 0;
    QString owner;
    Kind kind = Kind::CheckIn;
    int stage = 0;
    qint64 versionRow = 0;
    QString folder;
    QString newFile;
    QString oldFile;
    QJsonObject detail;
};

Recovery::Recovery(Store& store, StoreOwner& owner) : m_store(store), m_owner(owner) { }

void Recovery::run()
{
    StoreOwner::Others others = m_owner.others();
    QSet<QString> gone;
    for (const StoreOwner::Gone& entry : others.gone)
        gone.insert(entry.token());
    std::vector<Pending> changes;
    try {
        QSqlDatabase db = m_store.database();
        QSqlQuery q = Sql::run(db,
                               QStringLiteral("SELECT id, owner, kind, stage, version_id, folder, new_file, "
                                              "old_file, detail FROM pending ORDER BY id"));
        while (q.next()) {
            const QString owner = q.value(1).toString();
            // An entry that is not among those found gone is checked now: a program that opened
            // the store since the owners were listed made its entry before its first change.
            if (!gone.contains(owner) && m_owner.isAlive(owner))
                continue;
            changes.push_back({q.value(0).toLongLong(), owner, Kind(q.value(2).toInt()), q.value(3).toInt(),
                               q.value(4).toLongLong(), q.value(5).toString(), q.value(6).toString(),
                               q.value(7).toString(), QJsonDocument::fromJson(q.value(8).toByteArray()).object()});
        }
    } catch (const StoreError&) {
        return; // the changes are read again by the next open
    }
    bool whole = true;
    for (const Pending& change : changes) {
        try {
            recover(change);
        } catch (const StoreError&) {
            whole = false; // locked or read-only now: the next open takes the change again
        }
    }
    if (others.anyAlive || others.gone.empty() || !whole)
        return;
    m_started = QDateTime::currentDateTimeUtc();
    try {
        lookOver();
    } catch (const StoreError&) {
        return;
    }
    for (StoreOwner::Gone& entry : others.gone)
        entry.forget();
}

void Recovery::recover(const Pending& change)
{
    const QString directory = m_store.libraryDirectory(change.folder);
    QSqlDatabase db = m_store.database();
    const auto named = [&db](const QString& folder, const QString& name) {
        return Sql::scalar(db,
                           QStringLiteral("SELECT 1 FROM versions v JOIN documents d ON d.id = v.document_id JOIN "
                                          "libraries l ON l.id = d.library_id WHERE l.directory = ? AND "
                                          "v.content_file = ?"),
                           {folder, name})
            .isValid();
    };
    if (change.kind == Kind::Hold) {
        releaseHold(change);
        return;
    }
    if (change.kind == Kind::Generate) {
        // A batch that never committed: its library may be gone with it, so every folder is looked in.
        const QDir files(m_store.filesDirectory());
        for (const QString& folder : files.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const QDir here(files.filePath(folder));
            for (const QString& name : here.entryList({QStringLiteral("G*")}, QDir::Files)) {
                if (inGeneratedRange(name, change.detail) && !named(folder, name))
                    QFile::remove(here.filePath(name));
            }
        }
    } else if (change.folder.isEmpty()) {
        // Nothing to look for: the row alone goes.
    } else if (change.stage == 0) {
        // Not committed: the new content was never current.
        if (!change.newFile.isEmpty() && !named(change.folder, change.newFile))
            QFile::remove(QDir(directory).filePath(change.newFile));
    } else if (!change.oldFile.isEmpty()) {
        // Committed: the retired content goes into the salvage area, as the change would have put
        // it. A purged version keeps the name of its salvaged content; a replaced one does not.
        const QString old = QDir(directory).filePath(change.oldFile);
        if (QFileInfo(old).isFile() && (change.kind == Kind::Purge || !named(change.folder, change.oldFile))) {
            if (!SalvageArea(directory).deleteFile(change.oldFile, change.detail.value(QLatin1String("by")).toString()))
                throw StoreError(QStringLiteral("Cannot move %1 into the salvage area").arg(old));
        }
    }
    if (!change.newFile.isEmpty())
        PendingChange::removeTemporaries(directory, change.newFile);
    if (!change.oldFile.isEmpty()) {
        for (const QString& record : recordsWithoutContent(directory, change.oldFile))
            QFile::remove(record);
    }
    Sql::run(db, QStringLiteral("DELETE FROM pending WHERE id = ?"), {change.row});
}

// A check-out held for a check-in that never came is let go, the version as it was before: its
// check-out and the event of it go, unless the version was checked out afresh since.
void Recovery::releaseHold(const Pending& change)
{
    QSqlDatabase db = m_store.database();
    WriteTransaction sp(db);
    const QJsonObject& d = change.detail;
    const QVariant at = d.value(QLatin1String("at")).toVariant();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT 1 FROM versions WHERE id = ? AND checked_out = 1 AND "
                                          "retriever_id = ? AND retrieved = ?"),
                           {change.versionRow, d.value(QLatin1String("user")).toInteger(), at.toLongLong()});
    if (q.next()) {
        q.finish();
        const auto valueOr = [&d](const char* key) {
            return d.value(QLatin1String(key)).isNull() ? QVariant(QMetaType(QMetaType::LongLong))
                                                        : QVariant(d.value(QLatin1String(key)).toInteger());
        };
        Sql::run(db,
                 QStringLiteral("UPDATE versions SET checked_out = 0, retriever_id = ?, retrieved = ? WHERE id = ?"),
                 {valueOr("retriever"), valueOr("retrieved"), change.versionRow});
        Sql::run(db, QStringLiteral("DELETE FROM events WHERE id = ?"), {d.value(QLatin1String("event")).toInteger()});
    }
    Sql::run(db, QStringLiteral("DELETE FROM pending WHERE id = ?"), {change.row});
    sp.commit();
}

void Recovery::lookOver()
{
    QSqlDatabase db = m_store.database();
    QSqlQuery q = Sql::run(db, QStringLiteral("SELECT id, directory FROM libraries"));
    std::vector<std::pair<qint64, QString>> libraries;
    while (q.next())
        libraries.emplace_back(q.value(0).toLongLong(), q.value(1).toString());
    for (const auto& [row, folder] : libraries) {
        if (!folder.isEmpty())
            lookOverFolder(row, folder);
    }
}

void Recovery::lookOverFolder(qint64 libraryRow, const QString& folder)
{
    const QString directory = m_store.libraryDirectory(folder);
    // The folder is listed first and what names its files is read after, in one statement: a
    // change under way recorded itself before it wrote its file, and one that made its file
    // current removed its record in the same commit, so every file listed is known to one of them.
    const QFileInfoList files = QDir(directory).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
    const QStringList records = recordsWithoutContent(directory);
    QSet<QString> named;
    std::vector<QJsonObject> generated;
    QSqlDatabase db = m_store.database();
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("SELECT v.content_file, '' FROM versions v JOIN documents d ON d.id = "
                                          "v.document_id WHERE d.library_id = ? UNION ALL SELECT new_file, '' FROM "
                                          "pending WHERE folder = ? UNION ALL SELECT old_file, '' FROM pending WHERE "
                                          "folder = ? UNION ALL SELECT '', detail FROM pending WHERE kind = ?"),
                           {libraryRow, folder, folder, int(Kind::Generate)});
    while (q.next()) {
        named.insert(q.value(0).toString());
        if (!q.value(1).toString().isEmpty())
            generated.push_back(QJsonDocument::fromJson(q.value(1).toByteArray()).object());
    }
    const auto isNamed = [&](const QString& name) {
        if (named.contains(name))
            return true;
        for (const QJsonObject& range : generated) {
            if (inGeneratedRange(name, range))
                return true;
        }
        return false;
    };
    const auto changedSince = [this](const QFileInfo& info) { return info.metadataChangeTime() > m_started; };
    SalvageArea area(directory);
    for (const QFileInfo& file : files) {
        const QString name = file.fileName();
        const QString writtenFor = temporaryFor(name);
        if (changedSince(file) || file.isSymLink())
            continue;
        if (!writtenFor.isEmpty()) {
            if (!isNamed(writtenFor))
                QFile::remove(file.filePath());
        } else if (!name.startsWith(QLatin1Char('.')) && !isNamed(name)) {
            area.deleteFile(name, QString());
        }
    }
    for (const QString& record : records) {
        if (!changedSince(QFileInfo(record)) && !isNamed(recordedName(record)))
            QFile::remove(record);
    }
}

} // namespace store
