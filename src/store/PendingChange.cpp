#include "store/PendingChange.h"

#include "store/Dialect.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QJsonDocument>

namespace store {

PendingChange::PendingChange(Store& store, const Intent& intent) : m_store(store), m_intent(intent)
{
    // Inside a caller's transaction the row would only go in with the batch it is part of: the
    // batch answers for its files (a store built beside its place). A hold and a purge belong to
    // their own database step's transaction and are recorded there: nothing of theirs reaches a
    // file before it commits.
    QSqlDatabase db = m_store.database();
    if (WriteTransaction::active(db) && intent.kind != Kind::Hold && intent.kind != Kind::Purge)
        return;
    const QVariant version = intent.versionRow ? QVariant(intent.versionRow) : QVariant(QMetaType(QMetaType::LongLong));
    const QString detail = intent.detail.isEmpty()
        ? QString()
        : QString::fromUtf8(QJsonDocument(intent.detail).toJson(QJsonDocument::Compact));
    QSqlQuery q = Sql::run(db,
                           QStringLiteral("INSERT INTO pending(owner, kind, version_id, folder, new_file, old_file, "
                                          "detail, created) VALUES(?, ?, ?, ?, ?, ?, ?, ?)"),
                           {m_store.ownerToken(), int(intent.kind), version, intent.folder, intent.newFile,
                            intent.oldFile, detail, QDateTime::currentMSecsSinceEpoch()});
    m_row = Dialect::lastInsertedId(db);
}

void PendingChange::committed(QSqlDatabase& db, const QString& oldFile)
{
    m_intent.oldFile = oldFile;
    if (m_row == 0)
        return;
    Sql::cached(db, QStringLiteral("UPDATE pending SET stage = 1, old_file = ? WHERE id = ?"), {oldFile, m_row})
        .finish();
}

void PendingChange::finish()
{
    if (m_row == 0)
        return;
    try {
        QSqlDatabase db = m_store.database();
        Sql::cached(db, QStringLiteral("DELETE FROM pending WHERE id = ?"), {m_row}).finish();
    } catch (const StoreError&) {
        // Locked or read-only now: the row stays for the next open, which finds the change done.
    }
}

void PendingChange::abandon()
{
    if (!m_intent.newFile.isEmpty()) {
        const QString directory = m_store.libraryDirectory(m_intent.folder);
        QFile::remove(QDir(directory).filePath(m_intent.newFile));
        removeTemporaries(directory, m_intent.newFile);
    }
    finish();
}

void PendingChange::removeTemporaries(const QString& directory, const QString& name)
{
    const QDir dir(directory);
    const QStringList temporaries = dir.entryList({QLatin1Char('.') + name + QStringLiteral(".*.tmp")},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& temporary : temporaries)
        QFile::remove(dir.filePath(temporary));
}

} // namespace store
