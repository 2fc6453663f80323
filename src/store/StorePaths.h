#pragma once

#include <QSqlDatabase>
#include <QString>

namespace store {

// The paths a store records of its own files (events' content files, domains' folders) are
// relative to the store's directory, so that a copied, moved or restored store names its own
// files and never those of the store it was copied from. A path outside the store is recorded
// as it is.
namespace StorePaths {

// What to record of `path`: relative to `storeDirectory` when it lies inside it.
QString recorded(const QString& storeDirectory, const QString& path);
// The full path a recorded path names in the store at `storeDirectory` now.
QString resolved(const QString& storeDirectory, const QString& recorded);
// The directory of the store whose database `db` is (STORE/store.db).
QString directoryOf(const QSqlDatabase& db);

// A path that an earlier version recorded in full, as relative to its store: inside
// `storeDirectory`, or in the store's own layout (".../files/FOLDER/NAME",
// ".../domains/NAME") when the store was copied or moved since. Any other path is kept.
QString migrated(const QString& storeDirectory, const QString& fullPath);
// Rewrites every path recorded in full by an earlier version (events, domains).
void migrateAll(QSqlDatabase& db);

} // namespace StorePaths

} // namespace store
