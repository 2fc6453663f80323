#pragma once

#include "store/model/DocumentRow.h"
#include "store/model/LibraryRow.h"
#include "store/model/VersionRow.h"

#include <QSqlDatabase>
#include <optional>
#include <vector>

namespace store {

class Store;

// Reads the rows behind the object model's objects, each in one indexed
// statement.
class RowLoader
{
public:
    static std::vector<LibraryRow> libraries(Store& store, QSqlDatabase& db);
    static std::optional<LibraryRow> library(Store& store, QSqlDatabase& db, qint64 libraryRow);
    static std::optional<DocumentRow> document(QSqlDatabase& db, qint64 libraryRow, qint64 number);
    static std::optional<DocumentRow> documentWithVersions(QSqlDatabase& db, qint64 libraryRow, qint64 number,
                                                           std::vector<VersionRow>& versions);
    static std::optional<DocumentRow> documentByRow(QSqlDatabase& db, qint64 documentRow);
    static std::vector<VersionRow> versions(QSqlDatabase& db, qint64 documentRow);
    static std::optional<VersionRow> version(QSqlDatabase& db, qint64 versionRow);
};

} // namespace store
