#pragma once

#include "QueryNode.h"
#include "QueryRecord.h"

namespace store {

// Decides whether one version record satisfies a parsed expression.
// Comparisons with a value the record does not have (a date of never, a
// user-defined field the document lacks) are false; DOESNOTCONTAIN and <> on a
// missing text field are true, since an absent text contains nothing.
class QueryEvaluator
{
public:
    static bool matches(const QueryNode& node, const QueryRecord& record);
    static bool matchesTerm(const QueryTerm& term, const QueryRecord& record);

private:
    static bool compareDay(const QueryTerm& term, qint64 msecs);
    static bool compareText(const QueryTerm& term, const QString& value);
    static bool comparePerson(const QueryTerm& term, const QString& id, const QString& name);
    static bool compareUserField(const QueryTerm& term, const QueryRecord& record);
    template <typename T> static bool compare(QueryOp op, const T& left, const T& right);
};

} // namespace store
