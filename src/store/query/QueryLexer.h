#pragma once

#include "QueryToken.h"

#include <QString>

namespace store {

// Cuts a query expression into tokens. Dates are recognised by their shape
// (four-digit year, month and day joined by any separator that is not a letter,
// digit, blank, quote or parenthesis), so "2024.01.31" and "2024-1-31" both read
// as dates while "2024" stays a number.
class QueryLexer
{
public:
    explicit QueryLexer(const QString& expression);

    QueryToken next();

private:
    QueryToken make(QueryToken::Kind kind, int start, int end) const;
    QueryToken readWord(int start);
    QueryToken readText(int start);
    QueryToken readNumberOrDate(int start);
    QueryToken readAngle(int start);
    bool readUserField(int start, QueryToken& token);
    int digitsFrom(int from, int maxCount) const;
    int separatorFrom(int from) const;

    QString m_text;
    int m_pos = 0;
};

} // namespace store
