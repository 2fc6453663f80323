#pragma once

#include "store/query/QueryNode.h"

#include <QSet>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace tw::fuzz {

// A store database in memory with one version per document and one document per library, for the
// query fuzzer: a fixed set of versions, and per input the versions made from its terms. A version's
// text is its subject, its document type, its author's and creator's name, its file extension and
// the value of every text field; its number is its document and version number and its size.
class QueryRows
{
public:
    static QueryRows& instance();

    QSqlDatabase& database() { return m_db; }
    // Adds the versions made from the terms of `root`, and defines `userFields` in every library
    // (numeric where a term reads them as numbers) with a value for every version.
    void addRowsFor(const store::QueryNode& root, const QStringList& userFields);
    // Drops what addRowsFor added.
    void removeAdded();
    QString describe(qint64 versionRow) const;

    // The versions' values; each is used at least once.
    struct Values
    {
        QStringList texts;
        std::vector<qint64> numbers;
        QVariantList whens;
        std::vector<double> amounts;
    };

private:
    struct Row
    {
        QString text;
        qint64 number = 0;
        QVariant when; // milliseconds since the epoch; null: never
        double amount = 0; // the value of numeric fields
        unsigned flags = 0; // checked out, in use, read-write, archived
    };

    QueryRows();
    void addRows(const Values& values, size_t count);
    void insert(const Row& row);
    void defineFields(const QStringList& names, const QSet<QString>& numeric);
    static void collect(const store::QueryNode& node, Values& values, QSet<QString>& numeric);

    QSqlDatabase m_db;
    std::vector<Row> m_rows; // version row id - 1
    size_t m_fixed = 0;
};

} // namespace tw::fuzz
