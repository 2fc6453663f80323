// Check-out, check-in and copy-out of a store version: content moves through
// temporary names, and the database change that makes new content current is
// committed only once the file is whole.
#include "gw/Error.h"
#include "gw/VersionEvent.h"
#include "gw/VersionSecurity.h"
#include "store//Access.h"
#include "store/ContentFiles.h"
#include "store/EventLog.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/model/StoreVersion.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
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

} // namespace

void StoreVersion::requireHolder(const VersionRow& current) const
{
    if (current.checkedOut && current.retrieverRow != m_context->userRow) {
        throw gw::Error(describe() + QStringLiteral(" is checked out by ") + current.retrieverName);
    }
}

void StoreVersion::markCheckedOut(const QString& stagedFile, const QString& writtenFile)
{
    const VersionRow current = reload();
    requireHolder(current);
    if (current.archived) {
        throw gw::Error(describe() + QStringLiteral(" is archived"));
    }
    QSqlDatabase db = m_context->store->database();
    if ((Access::effectiveRights(db, m_context->userRow, current.documentRow) & gw::RightEdit) == 0) {
        throw gw::Error(QStringLiteral("No rights to check out ") + describe());
    }
    if (!writtenFile.isEmpty()) {
        if (QFileInfo::exists(writtenFile)) {
            // A file there may hold a user's unreturned edits: never replace it.
            throw gw::Error(QStringLiteral("A file already exists at ") + writtenFile);
        }
        ContentFiles::copyOut(QDir(m_library->directory).filePath(current.contentFile), writtenFile, false);
    }
    try {
        Savepoint sp(db);
        const QDateTime now = QDateTime::currentDateTime();
        QSqlQuery& q
            = Sql::cached(db,
                          QStringLiteral("UPDATE versions SET checked_out = 1, retriever_id = ?, retrieved = ?, "
                                         "staged_file = ? WHERE id = ? AND (checked_out = 0 OR retriever_id = ?)"),
                          {m_context->userRow, Sql::fromDate(now), stagedFile, m_row.row, m_context->userRow});
        const int changed = q.numRowsAffected();
        q.finish();
        if (changed != 1) {
            throw gw::Error(describe() + QStringLiteral(" was checked out by another user meanwhile"));
        }
        EventLog::record(db, m_row.row, gw::EventCheckedOut, m_context->userRow, m_context->displayName,
                         QDir(m_library->directory).filePath(current.contentFile), now);
        sp.commit();
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
        throw gw::Error(describe() + QStringLiteral(" is not checked out"));
    }
    requireHolder(current);
    if (!QFileInfo(path).isFile()) {
        throw gw::Error(QStringLiteral("No file to check in at ") + path);
    }
    ContentFiles files(m_library->directory);
    qint64 size = 0;
    // A file brought from outside the store: a link in its place is refused, not followed.
    const QString name = files.storeFile(path, current.fileType, size, FileCopy::Source::RegularFileOnly);
    const QString oldPath = current.contentFile.isEmpty() ? QString() : files.pathOf(current.contentFile);
    QSqlDatabase db = m_context->store->database();
    try {
        Savepoint sp(db);
        const QDateTime now = QDateTime::currentDateTime();
        QSqlQuery& q = Sql::cached(db,
                                   QStringLiteral("UPDATE versions SET content_file = ?, size = ?, checked_out = 0, "
                                                  "in_use = 0, read_write = 0, staged_file = '' WHERE id = ? AND "
                                                  "checked_out = 1 AND retriever_id = ?"),
                                   {name, size, m_row.row, m_context->userRow});
        const int changed = q.numRowsAffected();
        q.finish();
        if (changed != 1) {
            throw gw::Error(describe() + QStringLiteral(" was checked in by another user meanwhile"));
        }
        if (!oldPath.isEmpty()) {
            EventLog::record(db, m_row.row, gw::EventDeleted, m_context->userRow, m_context->displayName, oldPath, now);
        }
        EventLog::record(db, m_row.row, gw::EventCheckedIn, m_context->userRow, m_context->displayName,
                         files.pathOf(name), now);
        sp.commit();
    } catch (...) {
        QFile::remove(files.pathOf(name));
        throw;
    }
    // The replaced content goes to the salvage area, unless it is the very
    // file being checked in (a salvaged file brought back): that one belongs
    // to the caller.
    if (!oldPath.isEmpty() && QFileInfo(oldPath).isFile() && canonical(oldPath) != canonical(path)) {
        ContentFiles::salvage(oldPath, m_context->displayName);
    }
    m_row = reload();
}

void StoreVersion::clearCheckOut()
{
    const VersionRow current = reload();
    if (!current.checkedOut) {
        throw gw::Error(describe() + QStringLiteral(" is not checked out"));
    }
    requireHolder(current);
    QSqlDatabase db = m_context->store->database();
    Savepoint sp(db);
    Sql::cached(db,
                QStringLiteral("UPDATE versions SET checked_out = 0, in_use = 0, read_write = 0, staged_file = '' "
                               "WHERE id = ?"),
                {m_row.row})
        .finish();
    EventLog::record(db, m_row.row, gw::EventStatusReset, m_context->userRow, m_context->displayName,
                     current.contentFile.isEmpty() ? QString()
                                                   : QDir(m_library->directory).filePath(current.contentFile));
    sp.commit();
    m_row = reload();
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
