#pragma once

#include "ParsedQuery.h"
#include "store/Dialect.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

namespace store {

// How a parsed expression is run over the versions table: the cheap terms that
// every hit must pass go into the SQL (document and version numbers, sizes, flags
// creation dates and plain subject words joined to the top by AND), and only the columns the expression reads
// are fetched and converted. The evaluator still tests every term, so the SQL
// part only has to keep every possible hit.
class QueryPlan
{
public:
    enum Need : unsigned {
        NeedSubject = 1u << 0,
        NeedType = 1u << 1,
        NeedAuthor = 1u << 2,
        NeedCreator = 1u << 3,
        NeedCreated = 1u << 4,
        NeedModified = 1u << 5,
        NeedFileName = 1u << 6,
        NeedAll = 0xffu
    };

    // The SQL prefilter is written for the store's database (`backend`).
    explicit QueryPlan(const ParsedQuery& parsed, Dialect::Backend backend = Dialect::Backend::Sqlite);

    const ParsedQuery& parsed() const { return m_parsed; }
    bool needs(Need need) const { return (m_needs & need) != 0; }
    // Distinct user-defined field names the expression reads.
    const QStringList& userFields() const { return m_userFields; }
    // Conditions over documents d and versions v, each with one "?" per bind.
    const QStringList& conditions() const { return m_conditions; }
    const QVariantList& binds() const { return m_binds; }

private:
    void collectNeeds(const QueryNode& node);
    void collectConditions(const QueryNode& node);
    void addCondition(const QueryTerm& term, bool negated);
    void addDayCondition(const QueryTerm& term);
    void addSubjectCondition(const QueryTerm& term);
    static QString likePattern(const QString& word);

    ParsedQuery m_parsed;
    Dialect::Backend m_backend;
    unsigned m_needs = 0;
    QStringList m_userFields;
    QStringList m_conditions;
    QVariantList m_binds;
};

} // namespace store
