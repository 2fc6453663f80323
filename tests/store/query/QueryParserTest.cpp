#include "store/query/QueryParser.h"

#include "gw/Error.h"

#include <gtest/gtest.h>

namespace {

struct MalformedCase
{
    const char* expression;
    const char* message;
};

void PrintTo(const MalformedCase& c, std::ostream* os)
{
    *os << c.expression;
}

class MalformedExpression : public testing::TestWithParam<MalformedCase>
{
};

TEST_P(MalformedExpression, RaisesErrorNamingPositionAndExpectation)
{
    const MalformedCase& c = GetParam();
    try {
        store::QueryParser::parse(QString::fromUtf8(c.expression));
        FAIL() << "parsed without error: " << c.expression;
    } catch (const gw::Error& e) {
        EXPECT_EQ(e.message().toStdString(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Query, MalformedExpression,
    testing::Values(
        MalformedCase {"", "Query error at position 1: expected a term but found end of expression"},
        MalformedCase {"   ", "Query error at position 4: expected a term but found end of expression"},
        MalformedCase {"(DOCREFERENCE AND", "Query error at position 18: expected a term but found end of expression"},
        MalformedCase {"(DOCREFERENCE AND SIZE > 5",
                       "Query error at position 27: expected \")\" but found end of expression"},
        MalformedCase {"DOCREFERENCE )",
                       "Query error at position 14: expected AND, OR or end of expression but found \")\""},
        MalformedCase {"DOCREFERENCE AND AND SIZE > 1",
                       "Query error at position 18: expected a term but found \"AND\""},
        MalformedCase {"NOT", "Query error at position 4: expected a term but found end of expression"},
        MalformedCase {"TITLE CONTAINS \"x\"", "Query error at position 1: unknown field \"TITLE\""},
        MalformedCase {"SUBJECT LIKE \"x\"",
                       "Query error at position 9: expected CONTAINS, MATCHES, BEGINSWITH, DOESNOTCONTAIN, = or <> "
                       "but found \"LIKE\""},
        MalformedCase {"SUBJECT CONTAINS report",
                       "Query error at position 18: expected quoted text but found \"report\""},
        MalformedCase {"SUBJECT CONTAINS \"abc", "Query error at position 18: quoted text is not closed"},
        MalformedCase {"SUBJECT CONTAINS \"a\"b\"",
                       "Query error at position 21: expected AND, OR or end of expression but found \"b\""},
        MalformedCase {"SUBJECT MATCHES (\"a\" AND \"b\")",
                       "Query error at position 17: expected quoted text but found \"(\""},
        MalformedCase {"SUBJECT CONTAINS (\"a\" \"b\")",
                       "Query error at position 23: expected AND, OR or \")\" but found \"b\""},
        MalformedCase {"SUBJECT CONTAINS (\"a\" AND )",
                       "Query error at position 27: expected quoted text but found \")\""},
        MalformedCase {"SIZE > big", "Query error at position 8: expected a whole number but found \"big\""},
        MalformedCase {"SIZE > 1.5", "Query error at position 8: expected a whole number but found \"1.5\""},
        MalformedCase {"SIZE @ 5",
                       "Query error at position 6: expected a comparison (=, <>, <, <=, > or >=) but found \"@\""},
        MalformedCase {"SIZE > 99999999999999999999",
                       "Query error at position 8: number out of range \"99999999999999999999\""},
        MalformedCase {"DOCUMENT_NUMBER => 5", "Query error at position 18: expected a whole number but found \">\""},
        MalformedCase {"CREATE_DATE >= 2024/02/30", "Query error at position 16: invalid date \"2024/02/30\""},
        MalformedCase {"CREATE_DATE >= 31/01/2024",
                       "Query error at position 16: expected a date (year, month, day) but found \"31\""},
        MalformedCase {"MODIFY_DATE CONTAINS \"2024\"",
                       "Query error at position 13: expected a comparison (=, <>, <, <=, > or >=) but found "
                       "\"CONTAINS\""},
        MalformedCase {"<Amount, NUMERIC> Contains 5",
                       "Query error at position 19: expected a comparison (=, <>, <, <=, > or >=) but found "
                       "\"Contains\""},
        MalformedCase {"<Amount, NUMERIC> >= abc", "Query error at position 22: expected a number but found \"abc\""},
        MalformedCase {"<Client, STRING> > \"x\"",
                       "Query error at position 18: expected CONTAINS, MATCHES, BEGINSWITH, DOESNOTCONTAIN, = or <> "
                       "but found \">\""},
        MalformedCase {"<Client, DATE> = 5", "Query error at position 1: expected a term but found \"<\""},
        // The whole character, not the first half of its UTF-16 pair.
        MalformedCase {"SIZE > 10 AND \xf0\x9f\x98\x80 SIZE",
                       "Query error at position 15: expected a term but found \"\xf0\x9f\x98\x80\""}));

TEST(QueryNesting, IsBoundedWithAClearError)
{
    const QString fine
        = QString(256, QLatin1Char('(')) + QStringLiteral("DOCREFERENCE") + QString(256, QLatin1Char(')'));
    EXPECT_NO_THROW(store::QueryParser::parse(fine));
    const QString deep = QString(100000, QLatin1Char('(')) + QStringLiteral("DOCREFERENCE");
    try {
        store::QueryParser::parse(deep);
        FAIL() << "a 100,000-level expression parsed";
    } catch (const gw::Error& e) {
        EXPECT_EQ(e.message().toStdString(),
                  "Query error at position 257: expression nested more than 256 levels deep");
    }
    QString nots;
    for (int i = 0; i < 300; ++i) {
        nots += QStringLiteral("NOT ");
    }
    EXPECT_THROW(store::QueryParser::parse(nots + QStringLiteral("DOCREFERENCE")), gw::Error);
}

struct LibrarianCase
{
    const char* expression;
    bool searchAsLibrarian;
};

void PrintTo(const LibrarianCase& c, std::ostream* os)
{
    *os << c.expression;
}

class LibrarianSearch : public testing::TestWithParam<LibrarianCase>
{
};

TEST_P(LibrarianSearch, IsAskedOnlyWhenTheExpressionRequiresIt)
{
    const LibrarianCase& c = GetParam();
    EXPECT_EQ(store::QueryParser::parse(QString::fromUtf8(c.expression)).searchAsLibrarian, c.searchAsLibrarian)
        << c.expression;
}

INSTANTIATE_TEST_SUITE_P(Query, LibrarianSearch,
                         testing::Values(LibrarianCase {"(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)", true},
                                         LibrarianCase {"search_as_librarian", true},
                                         LibrarianCase {"(DOCREFERENCE AND (SIZE > 1 AND SEARCH_AS_LIBRARIAN))", true},
                                         LibrarianCase {"(DOCREFERENCE)", false},
                                         LibrarianCase {"DOCREFERENCE OR SEARCH_AS_LIBRARIAN", false},
                                         LibrarianCase {"DOCREFERENCE AND NOT SEARCH_AS_LIBRARIAN", false}));

} // namespace
