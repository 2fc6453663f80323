#pragma once

#include <QDate>
#include <QString>

namespace store {

// One token of a query expression; position is the 0-based index of its first
// character in the expression text.
struct QueryToken
{
    enum class Kind {
        End,
        Word, // keyword or field name
        Text, // quoted text, quotes removed
        Number,
        Date,
        LeftParen,
        RightParen,
        Compare, // = <> < <= > >=
        UserField, // <name, STRING> or <name, NUMERIC>
        Invalid
    };

    Kind kind = Kind::End;
    int position = 0;
    QString source; // the token as written
    QString text; // quoted text, word, operator or user field name
    bool numeric = false; // user field of type NUMERIC
    QDate date;
};

} // namespace store
