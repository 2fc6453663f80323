#pragma once

#include "ParsedQuery.h"
#include "QueryLexer.h"

namespace store {

// Parses the query language into a tree:
//   expression := and-list { OR and-list }
//   and-list   := unary { AND unary }
//   unary      := NOT unary | "(" expression ")" | term
//   term       := DOCREFERENCE | SEARCH_AS_LIBRARIAN | DOCVERSION_... flag
//               | text-field text-op text | number-field compare number
//               | date-field compare date
//               | <name, STRING> text-op text | <name, NUMERIC> compare number
//   text       := "quoted" | "(" "quoted" { (AND | OR) "quoted" } ")"
// Keywords and field names ignore case. A malformed expression throws gw::Error
// "Query error at position P: ..." with P counted from 1.
class QueryParser
{
public:
    static ParsedQuery parse(const QString& expression);

private:
    explicit QueryParser(const QString& expression);

    std::unique_ptr<QueryNode> parseOr();
    std::unique_ptr<QueryNode> parseAnd();
    std::unique_ptr<QueryNode> parseUnary();
    std::unique_ptr<QueryNode> parseNested();
    std::unique_ptr<QueryNode> parseTerm();
    void parseTextOperand(QueryTerm& term);
    void parseIntegerOperand(QueryTerm& term);
    void parseNumberOperand(QueryTerm& term);
    void parseDateOperand(QueryTerm& term);
    QueryOp parseCompare();
    QueryOp parseTextOp();

    bool atKeyword(const char* keyword) const;
    void advance();
    [[noreturn]] void fail(const QString& expected) const;
    [[noreturn]] void failAt(const QueryToken& token, const QString& problem) const;

    static constexpr int kMaxDepth = 256;

    QueryLexer m_lexer;
    QueryToken m_token;
    int m_depth = 0;
};

} // namespace store
