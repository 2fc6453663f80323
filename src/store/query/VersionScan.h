#pragma once

#include "QueryPlan.h"
#include "QueryRecord.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <vector>

namespace store {

// Which versions a scan walks and what the searching user may see of them.
struct ScanScope
{
    std::vector<qint64> libraries; // libraries.id; empty: every library
    std::vector<qint64> versions; // versions.id; empty: no restriction
    qint64 userRow = 0; // 0: no access check
    std::vector<qint64> librarianLibraries; // searched as librarian: every document visible
};

// A version of the scan: its row ids and what the query can test.
struct ScannedVersion
{
    qint64 versionRow = 0;
    qint64 libraryRow = 0;
    QueryRecord record;
};

// Streams the versions of a scope in library, document and version order as
// one SELECT, so the rows come from one snapshot of the database and none is
// held in memory beyond the current one.
class VersionScan
{
public:
    VersionScan(QSqlDatabase& db, const QueryPlan& plan, const ScanScope& scope);

    // Raises gw::Error when the database cannot be read.
    void start();
    bool next(ScannedVersion& out);

private:
    QString selectText() const;
    QString whereText() const;
    void resolveFields(QSqlDatabase& db);

    const QueryPlan& m_plan;
    const ScanScope& m_scope;
    QSqlDatabase m_db;
    std::vector<std::vector<qint64>> m_fieldIds;
    QSqlQuery m_query;
};

} // namespace store
