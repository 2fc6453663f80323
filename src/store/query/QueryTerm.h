#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace store {

// The things a query term can test on one document version.
enum class QueryField {
    DocReference, // every version: the expression's item class
    SearchAsLibrarian, // always true; asks for the librarian's view of the library
    DocumentNumber,
    VersionNumber,
    Size,
    Subject,
    DocumentType,
    Author,
    Creator,
    FileName,
    CreateDate,
    ModifyDate,
    CheckedOut,
    InUse,
    ConnectedReadWrite,
    Archived,
    UserString, // <name, STRING>
    UserNumeric // <name, NUMERIC>
};

enum class QueryOp {
    None, // a bare term (flags, DOCREFERENCE)
    Equal,
    NotEqual,
    Less,
    LessEqual,
    Greater,
    GreaterEqual,
    Contains,
    Matches,
    BeginsWith,
    DoesNotContain
};

// One comparison of the expression. Text operands are held as alternatives of
// word lists: CONTAINS ("a" AND "b") is one alternative of two words, a single
// quoted word is one alternative of one word.
struct QueryTerm
{
    QueryField field = QueryField::DocReference;
    QueryOp op = QueryOp::None;
    QString userField;
    std::vector<QStringList> words;
    qint64 integer = 0;
    double number = 0;
    // A date term names a whole local calendar day: [dayStart, dayEnd) in
    // milliseconds since the epoch.
    QDate date;
    qint64 dayStart = 0;
    qint64 dayEnd = 0;
};

} // namespace store
