#pragma once

#include "store/Context.h"
#include "store/Store.h"

#include <QHash>
#include <QStringList>
#include <QTemporaryDir>
#include <vector>

namespace tw::test {

// A small real store for the query tests. Post office PO1 of domain DOM holds:
//   users AUTH (Ann Author), OTHER (Oscar Other), LIBR (Libby Rarian, librarian
//   of LIB1 only), SHARED, DENIED, MEMBER (in distribution list TEAM)
//   LIB1, fields Client (text) and Amount (numeric):
//     1 "Annual Report" AUTH/AUTH, Report, 2024-01-15; v1 "version one" .doc,
//       v2 "version two" .doc created 2024-03-02 and checked out; Client Acme, Amount 1500
//     2 "Meeting notes" AUTH/OTHER, Memo, 2023; v1 archived; shared with SHARED
//       (view) and DENIED (revoke all)
//     3 "Budget" OTHER/OTHER, 2023; v1 retrieved 2024-05-05; default rights view
//     4 "Secret plan" OTHER/OTHER, 2023; v1 .txt; shared with TEAM (view) and
//       DENIED (revoke all)
//   LIB2: 1 "Annual budget" AUTH/AUTH, 2023; 2 "\u212Aelvin scale" (KELVIN SIGN),
//     3 "100% _done_", 4 "C:\\docs", all AUTH/AUTH
class QueryFixtureStore
{
public:
    QueryFixtureStore();

    std::shared_ptr<store::Store> store() const { return m_store; }
    store::ContextPtr contextOf(const QString& userId) const;
    qint64 libraryRow(const QString& name) const { return m_libraryRows.value(name); }
    // "LIB1.2.1" for a version row.
    QString nameOfVersion(qint64 versionRow) const;
    QStringList namesOfVersions(const std::vector<qint64>& versionRows) const;
    // Adds a library of documents 1..documents by AUTH, each with versionsEach
    // versions and no content files, written straight into the tables so that
    // large libraries take a moment; every tenth subject holds the word "x".
    // LIBR is its librarian. Returns the library's row.
    qint64 addBulkLibrary(const QString& name, int documents, int versionsEach);

private:
    void build();

    QTemporaryDir m_dir;
    std::shared_ptr<store::Store> m_store;
    QHash<QString, qint64> m_libraryRows;
};

} // namespace tw::test
