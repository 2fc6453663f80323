// Check-out, check-in and copy-out of a store version: content moves through
// temporary names, and the database change that makes new content current is
// committed only once the file is whole. A check-in keeps the store's write order
// (README): the change is recorded first, then the new file is written, then one
// commit makes it current, then the replaced file goes into the salvage area.
#include "gw/Error.h"
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store//Access.h"
#include "store/ContentFiles.h"
#include "store/Dialect.h"
#include "store/EventLog.h"
#include "store/PendingChange.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/StoreVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonObject>
#include <QSqlQuery>

namespace store {

namespace {

// Copies `content` over `target`; false when there is no such content file.
bool copiedIfPresent(const QString& content, const QString& target)
{
    if (content.isEmpty()) {
        return false;
    }
    try {
        ContentFiles::copyOut(content, target, true);
        return true;
    } catch (const gw::Error&) {
        if (QFileInfo::exists(content)) {
            throw;
        }
        return false;
    }
}

QString canonical(const QString& path)
{
    const QString c = QFileInfo(path).canonicalFilePath();
    return c.isEmpty() ? QFileInfo(path).absoluteFilePath() : c;
}

// True when the files hold the same bytes.
bool sameContent(const QString& one, const QString& other)
{
    QFile a(one);
    QFile b(other);
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly) || a.size() != b.size())
        return false;
    while (!a.atEnd()) {
        if (a.read(1 << 16) != b.read(1 << 16))
            return false;
    }
    return true;
}

QJsonValue jsonDate(const StoredDate& date)
{
    return date.valid ? QJsonValue(date.ms) : QJsonValue();
}

} // namespace

void StoreVersion::requireHolder(const VersionRow& current) const
{
    if (current.checkedOut && current.retrieverRow != m_context->userRow) {
        throw gw::Error(describe() + QStringLiteral(" is checked out by ") + current.retrieverName);
    }
}

void StoreVersion::requireCheckOut(const VersionRow& current) const
{
    requireHolder(current);
    if (current.archived) {
        throw gw::Error(describe() + QStringLiteral(" is archived"));
    }
    QSqlDatabase db = m_context->store->database();
    if ((Access::effectiveRights(db, m_context->userRow, current.documentRow) & gw::RightEdit) == 0) {
        throw gw::Error(QStringLiteral("No rights to check out ") + describe());
    }
}

// The file is written first, outside the lock; the version is then read again and marked under
// one lock, so that what was checked is what holds when it is marked.
void StoreVersion::markCheckedOut(const QString& stagedFile, const QString& writtenFile)
{
    const VersionRow current = reload();
    requireCheckOut(current);
    QSqlDatabase db = m_context->store->database();
    if (!writtenFile.isEmpty()) {
        if (QFileInfo::exists(writtenFile)) {
            // A file there may hold a user's unreturned edits: never replace it.
            throw gw::Error(QStringLiteral("A file already exists at ") + writtenFile);
        }
        ContentFiles::copyOut(QDir(m_library->directory).filePath(current.contentFile), writtenFile, false);
    }
    try {
        WriteTransaction transaction(db);
        const VersionRow locked = reload();
        if (locked.checkedOut && locked.retrieverRow != m_context->userRow) {
            throw gw::Error(describe() + QStringLiteral(" was checked out by another user meanwhile"));
        }
        requireCheckOut(locked);
        const QDateTime now = QDateTime::currentDateTime();
        Sql::cached(db,
                    QStringLiteral("UPDATE versions SET checked_out = 1, retriever_id = ?, retrieved = ?, "
                                   "staged_file = ? WHERE id = ?"),
                    {m_context->userRow, Sql::fromDate(now), stagedFile, m_row.row})
            .finish();
        EventLog::record(db, m_row.row, gw::EventCheckedOut, m_context->userRow, m_context->displayName,
                         QDir(m_library->directory).filePath(locked.contentFile), now);
        if (writtenFile.isEmpty() && !locked.checkedOut) {
            // A check-out without a file holds the version for the check-in that follows (the
            // restore's): should this program end before that, the next open lets it go.
            const QJsonObject hold {
                {QStringLiteral("user"), m_context->userRow},
                {QStringLiteral("at"), now.toMSecsSinceEpoch()},
                {QStringLiteral("retriever"), locked.retrieverRow ? QJsonValue(locked.retrieverRow) : QJsonValue()},
                {QStringLiteral("retrieved"), jsonDate(locked.retrieved)},
                {QStringLiteral("event"), Dialect::lastInsertedId(db)}};
            PendingChange(*m_context->store, {PendingChange::Kind::Hold, m_row.row, m_library->folder, {}, {}, hold});
        }
        transaction.commit();
    } catch (...) {
        if (!writtenFile.isEmpty()) {
            QFile::remove(writtenFile);
        }
        throw;
    }
    m_row = reload();
}

void StoreVersion::CheckOut(const QString& path)
{
    check("CheckOut");
    if (path.trimmed().isEmpty()) {
        throw gw::Error(QStringLiteral("No file name given to check out ") + describe());
    }
    if (m_row.contentFile.isEmpty() && reload().contentFile.isEmpty()) {
        throw gw::Error(describe() + QStringLiteral(" has no content"));
    }
    markCheckedOut(QFileInfo(path).absoluteFilePath(), QFileInfo(path).absoluteFilePath());
}

void StoreVersion::Checkout()
{
    check("Checkout");
    markCheckedOut(reload().stagedFile, QString());
}

void StoreVersion::CheckIn(const QString& path, int mode)
{
    check("CheckIn");
    if (mode != 0) {
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    }
    checkInFrom(path);
}

void StoreVersion::CheckIn()
{
    check("CheckIn");
    const VersionRow current = reload();
    if (!current.stagedFile.isEmpty() && QFileInfo(current.stagedFile).isFile()) {
        checkInFrom(current.stagedFile);
    } else {
        clearCheckOut();
    }
}

void StoreVersion::checkInFrom(const QString& path)
{
    const VersionRow current = reload();
    if (!current.checkedOut) {
        // The file is the version's content already: checked in by a run that ended before it
        // could delete the file. Checking it in again changes nothing.
        if (!current.contentFile.isEmpty() && QFileInfo(path).isFile()
            && sameContent(path, QDir(m_library->directory).filePath(current.contentFile))) {
            return;
        }
        throw gw::Error(describe() + QStringLiteral(" is not checked out"));
    }
    requireHolder(current);
    if (!QFileInfo(path).isFile()) {
        throw gw::Error(QStringLiteral("No file to check in at ") + path);
    }
    ContentFiles files(m_library->directory);
    const QString name = files.freshName(current.fileType);
    PendingChange change(*m_context->store,
                         {PendingChange::Kind::CheckIn,
                          m_row.row,
                          m_library->folder,
                          name,
                          current.contentFile,
                          {{QStringLiteral("by"), m_context->displayName}}});
    QString oldPath;
    QSqlDatabase db = m_context->store->database();
    try {
        // A file brought from outside the store: a link in its place is refused, not followed.
        const qint64 size = files.storeFileAs(path, name, FileCopy::Source::RegularFileOnly);
        // The version is read again under the lock: the content it replaces is the one current
        // now, and nobody checked it in meanwhile.
        WriteTransaction transaction(db);
        const VersionRow locked = reload();
        if (!locked.checkedOut || locked.retrieverRow != m_context->userRow) {
            throw gw::Error(describe() + QStringLiteral(" was checked in by another user meanwhile"));
        }
        oldPath = locked.contentFile.isEmpty() ? QString() : files.pathOf(locked.contentFile);
        const QDateTime now = QDateTime::currentDateTime();
        Sql::cached(db,
                    QStringLiteral("UPDATE versions SET content_file = ?, size = ?, checked_out = 0, in_use = 0, "
                                   "read_write = 0, staged_file = '' WHERE id = ?"),
                    {name, size, m_row.row})
            .finish();
        if (!oldPath.isEmpty()) {
            EventLog::record(db, m_row.row, gw::EventDeleted, m_context->userRow, m_context->displayName, oldPath, now);
        }
        EventLog::record(db, m_row.row, gw::EventCheckedIn, m_context->userRow, m_context->displayName,
                         files.pathOf(name), now);
        endHolds(db);
        change.committed(db, locked.contentFile);
        transaction.commit();
    } catch (...) {
        change.abandon();
        throw;
    }
    // The replaced content goes to the salvage area, unless it is the very
    // file being checked in (a salvaged file brought back): that one belongs
    // to the caller. A move that fails leaves the change for the next open.
    if (oldPath.isEmpty() || !QFileInfo(oldPath).isFile() || canonical(oldPath) == canonical(path)
        || ContentFiles::salvage(oldPath, m_context->displayName)) {
        change.finish();
    }
    m_row = reload();
}

void StoreVersion::clearCheckOut()
{
    QSqlDatabase db = m_context->store->database();
    WriteTransaction transaction(db);
    const VersionRow current = reload();
    if (!current.checkedOut) {
        throw gw::Error(describe() + QStringLiteral(" is not checked out"));
    }
    requireHolder(current);
    Sql::cached(db,
                QStringLiteral("UPDATE versions SET checked_out = 0, in_use = 0, read_write = 0, staged_file = '' "
                               "WHERE id = ?"),
                {m_row.row})
        .finish();
    EventLog::record(db, m_row.row, gw::EventStatusReset, m_context->userRow, m_context->displayName,
                     current.contentFile.isEmpty() ? QString()
                                                   : QDir(m_library->directory).filePath(current.contentFile));
    endHolds(db);
    transaction.commit();
    m_row = reload();
}

void StoreVersion::endHolds(QSqlDatabase& db)
{
    Sql::cached(db, QStringLiteral("DELETE FROM pending WHERE kind = ? AND version_id = ?"),
                {int(PendingChange::Kind::Hold), m_row.row})
        .finish();
}

void StoreVersion::Copyout(const QString& path)
{
    check("Copyout");
    if (path.trimmed().isEmpty()) {
        throw gw::Error(QStringLiteral("No file name given to copy out ") + describe());
    }
    // The content file named at the fetch is copied. A content file keeps its
    // name while it is current: a check-in or a purge since the fetch moved it
    // to the salvage area, and only then is the row read afresh.
    QString content = contentPath();
    if (!copiedIfPresent(content, path)) {
        const VersionRow current = reload();
        if (current.contentFile.isEmpty()) {
            throw gw::Error(describe() + QStringLiteral(" has no content"));
        }
        content = QDir(m_library->directory).filePath(current.contentFile);
        ContentFiles::copyOut(content, path, true);
    }
    QSqlDatabase db = m_context->store->database();
    EventLog::record(db, m_row.row, gw::EventExported, m_context->userRow, m_context->displayName, content);
}

} // namespace store
