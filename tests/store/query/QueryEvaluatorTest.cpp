#include "store/query/QueryEvaluator.h"

#include "store/query/QueryParser.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

using store::QueryRecord;

// Noon of a day, local time; an invalid day is "never".
qint64 noon(QDate day)
{
    return day.isValid() ? QDateTime(day, QTime(12, 0)).toMSecsSinceEpoch() : QueryRecord::Never;
}

QueryRecord record(qint64 doc, qint64 version, const QString& subject, const QString& type, const QString& author,
                   const QString& creator, QDate created, QDate modified, const QString& file, qint64 size)
{
    QueryRecord r;
    r.documentNumber = doc;
    r.versionNumber = version;
    r.subject = subject;
    r.documentType = type;
    r.authorId = author.section(QLatin1Char('|'), 0, 0);
    r.authorName = author.section(QLatin1Char('|'), 1);
    r.creatorId = creator.section(QLatin1Char('|'), 0, 0);
    r.creatorName = creator.section(QLatin1Char('|'), 1);
    r.created = noon(created);
    r.modified = noon(modified);
    r.fileName = file;
    r.size = size;
    return r;
}

// Five versions of four documents, each differing in the things the terms test.
std::vector<QueryRecord> fixture()
{
    std::vector<QueryRecord> rs;
    rs.push_back(record(1, 1, "Annual Report 2024", "Report", "JSMITH|John Smith", "JSMITH|John Smith",
                        QDate(2024, 1, 15), QDate(2024, 1, 15), "0000001A.DOC", 1048576));
    rs.back().fields = {{"Client", "Acme Ltd", 0, false}, {"Amount", "1500", 1500, true}};
    rs.push_back(rs.back());
    rs.back().versionNumber = 2;
    rs.back().modified = noon(QDate(2024, 3, 1));
    rs.back().fileName = "0000001B.DOC";
    rs.back().size = 1048577;
    rs.back().checkedOut = true;
    rs.push_back(record(2, 1, "meeting  notes", "Memo", "AJONES|Anne Jones", "BBROWN|Bob Brown", QDate(2023, 12, 31),
                        QDate(2024, 1, 2), "00000002.TXT", 0));
    rs.back().archived = true;
    rs.back().inUse = true;
    rs.back().fields = {{"Client", "Beta", 0, false}, {"Amount", "20", 20, true}};
    rs.push_back(record(3, 1, "", "Memo", "BBROWN|Bob Brown", "AJONES|Anne Jones", QDate(2024, 2, 29), QDate(),
                        "00000003.PDF", 500));
    rs.back().connectedReadWrite = true;
    rs.push_back(record(10, 1, QString::fromUtf8("Résumé Ölmann"), "Letter", "JSMITH|John Smith", "JSMITH|John Smith",
                        QDate(2024, 6, 30), QDate(2024, 6, 30), "0000000A.RTF", 42));
    rs.back().fields = {{"Client Name", "x ray", 0, false}, {"Amount", " 7 ", 0, false}};
    return rs;
}

struct HitCase
{
    const char* expression;
    const char* hits; // document.version of every matching record, in fixture order
};

void PrintTo(const HitCase& c, std::ostream* os)
{
    *os << c.expression;
}

class QueryHits : public testing::TestWithParam<HitCase>
{
};

TEST_P(QueryHits, MatchExactlyTheExpectedVersions)
{
    const HitCase& c = GetParam();
    const store::ParsedQuery parsed = store::QueryParser::parse(QString::fromUtf8(c.expression));
    QStringList hits;
    for (const QueryRecord& r : fixture()) {
        if (store::QueryEvaluator::matches(*parsed.root, r)) {
            hits << QStringLiteral("%1.%2").arg(r.documentNumber).arg(r.versionNumber);
        }
    }
    EXPECT_EQ(hits.join(QLatin1Char(' ')).toStdString(), c.hits) << c.expression;
}

INSTANTIATE_TEST_SUITE_P(
    Query, QueryHits,
    testing::Values(
        HitCase {"(DOCREFERENCE)", "1.1 1.2 2.1 3.1 10.1"},
        HitCase {"(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)", "1.1 1.2 2.1 3.1 10.1"},
        // CONTAINS: case-insensitive, a part of a word is enough, blanks inside quotes are part of the text
        HitCase {"SUBJECT CONTAINS \"report\"", "1.1 1.2"}, HitCase {"SUBJECT CONTAINS \"PORT\"", "1.1 1.2"},
        HitCase {"SUBJECT CONTAINS \"annual report\"", "1.1 1.2"}, HitCase {"SUBJECT CONTAINS \"report annual\"", ""},
        HitCase {"SUBJECT CONTAINS (\"annual\" AND \"2024\")", "1.1 1.2"},
        HitCase {"SUBJECT CONTAINS (\"annual\" AND \"notes\")", ""},
        HitCase {"SUBJECT CONTAINS (\"annual\" OR \"notes\")", "1.1 1.2 2.1"},
        HitCase {"SUBJECT CONTAINS (\"meeting\" AND \"\" AND \"notes\")", "2.1"},
        HitCase {"SUBJECT CONTAINS (\"\" AND \"notes\")", "2.1"},
        HitCase {"SUBJECT CONTAINS \"\"", "1.1 1.2 2.1 3.1 10.1"}, HitCase {"SUBJECT CONTAINS \"RÉSUMÉ\"", "10.1"},
        HitCase {"SUBJECT DOESNOTCONTAIN \"report\"", "2.1 3.1 10.1"},
        HitCase {"SUBJECT DOESNOTCONTAIN (\"annual\" AND \"notes\")", "1.1 1.2 2.1 3.1 10.1"},
        HitCase {"SUBJECT MATCHES \"annual*\"", "1.1 1.2"}, HitCase {"SUBJECT MATCHES \"*NOTES\"", "2.1"},
        HitCase {"SUBJECT MATCHES \"annual\"", ""}, HitCase {"SUBJECT BEGINSWITH \"meet\"", "2.1"},
        HitCase {"SUBJECT = \"\"", "3.1"}, HitCase {"SUBJECT <> \"\"", "1.1 1.2 2.1 10.1"},
        // people by display name or user ID
        HitCase {"AUTHOR CONTAINS \"John Smith\"", "1.1 1.2 10.1"}, HitCase {"AUTHOR CONTAINS \"ajones\"", "2.1"},
        HitCase {"DOCUMENT_CREATOR CONTAINS \"Brown\"", "2.1"},
        HitCase {"AUTHOR DOESNOTCONTAIN \"jones\"", "1.1 1.2 3.1 10.1"},
        HitCase {"DOCUMENT_TYPE CONTAINS \"memo\"", "2.1 3.1"},
        HitCase {"DOCUMENT_FILENAME CONTAINS \"doc\"", "1.1 1.2"},
        // numbers
        HitCase {"DOCUMENT_NUMBER >= 2 AND DOCUMENT_NUMBER <= 3", "2.1 3.1"},
        HitCase {"DOCUMENT_NUMBER >= 3 AND DOCUMENT_NUMBER <= 3", "3.1"},
        HitCase {"DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 2", "1.2"},
        HitCase {"(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 1 AND SIZE > 1048575)", "1.1"},
        HitCase {"(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 1 AND SIZE > 1048576)", ""},
        HitCase {"SIZE > 1048576", "1.2"}, HitCase {"SIZE = 0", "2.1"}, HitCase {"SIZE <> 0", "1.1 1.2 3.1 10.1"},
        HitCase {"SIZE < 500", "2.1 10.1"}, HitCase {"SIZE <= 500", "2.1 3.1 10.1"},
        HitCase {"SIZE > -1", "1.1 1.2 2.1 3.1 10.1"},
        // dates, any separator, whole days
        HitCase {"CREATE_DATE >= 2024/01/01", "1.1 1.2 3.1 10.1"}, HitCase {"CREATE_DATE <= 2023.12.31", "2.1"},
        HitCase {"CREATE_DATE = 2024-2-29", "3.1"},
        HitCase {"CREATE_DATE >= 2024. 01. 15 AND CREATE_DATE <= 2024/01/15", "1.1 1.2"},
        HitCase {"CREATE_DATE > 2024/01/15 AND CREATE_DATE < 2024/06/30", "3.1"},
        HitCase {"MODIFY_DATE >= 2024/03/01", "1.2 10.1"}, HitCase {"NOT MODIFY_DATE >= 1900/01/01", "3.1"},
        HitCase {"MODIFY_DATE <> 2024/01/15", "1.2 2.1 10.1"},
        // flags, NOT, OR, parentheses, keywords in any case
        HitCase {"(DOCREFERENCE AND NOT DOCVERSION_CHECKED_OUT AND NOT DOCVERSION_IN_USE AND NOT "
                 "DOCVERSION_CONNECTED_READ_WRITE AND NOT DOCVERSION_ARCHIVED)",
                 "1.1 10.1"},
        HitCase {"DOCVERSION_ARCHIVED OR DOCVERSION_CHECKED_OUT", "1.2 2.1"},
        HitCase {"DOCVERSION_CONNECTED_READ_WRITE", "3.1"}, HitCase {"NOT (DOCUMENT_NUMBER = 1)", "2.1 3.1 10.1"},
        HitCase {"NOT NOT DOCVERSION_IN_USE", "2.1"}, HitCase {"SIZE = 0 OR SIZE = 42 AND DOCUMENT_NUMBER = 1", "2.1"},
        HitCase {"(SIZE = 0 OR SIZE = 42) AND DOCUMENT_NUMBER = 10", "10.1"},
        HitCase {"docreference and Subject contains \"notes\" and not docversion_checked_out", "2.1"},
        // user-defined fields
        HitCase {"<Client, STRING> Contains \"acme\"", "1.1 1.2"}, HitCase {"<client, string> Matches \"BETA\"", "2.1"},
        HitCase {"<Client, STRING> BeginsWith \"ac\"", "1.1 1.2"},
        HitCase {"<Client, STRING> DoesNotContain \"acme\"", "2.1 3.1 10.1"},
        HitCase {"<Client Name, STRING> Contains \"ray\"", "10.1"}, HitCase {"<Amount, NUMERIC> >= 100", "1.1 1.2"},
        HitCase {"<Amount, NUMERIC> < 100", "2.1 10.1"}, HitCase {"<Amount, NUMERIC> = 7", "10.1"},
        HitCase {"<Amount, NUMERIC> <> 20", "1.1 1.2 10.1"}, HitCase {"<amount, NUMERIC> > 1499.5", "1.1 1.2"},
        HitCase {"<Missing, NUMERIC> <> 1", ""},
        // what the Query tab writes with several fields filled, wrapped for a librarian
        HitCase {"(DOCREFERENCE AND DOCUMENT_NUMBER >= 1 AND DOCUMENT_NUMBER <= 5 AND SUBJECT CONTAINS (\"annual\" AND "
                 "\"report\") AND DOCUMENT_TYPE CONTAINS \"Report\" AND AUTHOR CONTAINS \"John Smith\" AND "
                 "DOCUMENT_CREATOR CONTAINS \"JSMITH\" AND CREATE_DATE >= 2024/01/01 AND CREATE_DATE <= 2024/12/31 AND "
                 "MODIFY_DATE >= 2024/01/01 AND DOCUMENT_FILENAME CONTAINS \"DOC\" AND SIZE >= 0 AND <Client, STRING> "
                 "Contains \"Acme\" AND <Amount, NUMERIC> >= 5 AND NOT DOCVERSION_CHECKED_OUT) AND "
                 "(SEARCH_AS_LIBRARIAN)",
                 "1.1"}));

} // namespace

namespace {

struct DayCase
{
    const char* created; // local date-time "yyyy-MM-dd HH:mm:ss.zzz", empty for never
    const char* expression;
    bool matches;
};

void PrintTo(const DayCase& c, std::ostream* os)
{
    *os << c.created << " " << c.expression;
}

class DayBoundary : public testing::TestWithParam<DayCase>
{
};

// A date term covers the whole local day, from midnight to the last millisecond.
TEST_P(DayBoundary, DateTermsCoverWholeLocalDays)
{
    const DayCase& c = GetParam();
    QueryRecord r;
    if (*c.created) {
        const QDateTime when
            = QDateTime::fromString(QString::fromLatin1(c.created), QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
        ASSERT_TRUE(when.isValid());
        r.created = when.toMSecsSinceEpoch();
    }
    const store::ParsedQuery parsed = store::QueryParser::parse(QString::fromLatin1(c.expression));
    EXPECT_EQ(store::QueryEvaluator::matches(*parsed.root, r), c.matches);
}

INSTANTIATE_TEST_SUITE_P(Query, DayBoundary,
                         testing::Values(DayCase {"2024-01-15 00:00:00.000", "CREATE_DATE = 2024/01/15", true},
                                         DayCase {"2024-01-15 23:59:59.999", "CREATE_DATE = 2024/01/15", true},
                                         DayCase {"2024-01-15 23:59:59.999", "CREATE_DATE <= 2024/01/15", true},
                                         DayCase {"2024-01-16 00:00:00.000", "CREATE_DATE <= 2024/01/15", false},
                                         DayCase {"2024-01-14 23:59:59.999", "CREATE_DATE >= 2024/01/15", false},
                                         DayCase {"2024-01-15 00:00:00.000", "CREATE_DATE >= 2024/01/15", true},
                                         DayCase {"2024-01-15 23:59:59.999", "CREATE_DATE > 2024/01/15", false},
                                         DayCase {"2024-01-16 00:00:00.000", "CREATE_DATE > 2024/01/15", true},
                                         DayCase {"2024-01-14 23:59:59.999", "CREATE_DATE < 2024/01/15", true},
                                         DayCase {"2024-01-15 00:00:00.000", "CREATE_DATE < 2024/01/15", false},
                                         DayCase {"2024-01-16 00:00:00.000", "CREATE_DATE <> 2024/01/15", true},
                                         DayCase {"", "CREATE_DATE <> 2024/01/15", false},
                                         DayCase {"", "NOT CREATE_DATE = 2024/01/15", true}));

} // namespace
