#include "store/query/QueryRun.h"

#include "QueryFixtureStore.h"
#include "gw/Error.h"
#include "store/Sql.h"
#include "store/query/QueryParser.h"
#include "store/query/QueryService.h"
#include "support/TestBackend.h"

#include <QSqlQuery>
#include <gtest/gtest.h>

namespace {

using tw::test::QueryFixtureStore;

struct StoreHitCase
{
    const char* user;
    const char* library; // "" for every library
    const char* expression;
    const char* hits;
};

void PrintTo(const StoreHitCase& c, std::ostream* os)
{
    *os << c.user << " " << c.library << " " << c.expression;
}

class StoreQueryHits : public testing::TestWithParam<StoreHitCase>
{
protected:
    static void SetUpTestSuite() { s_fixture = new QueryFixtureStore; }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }
    static QueryFixtureStore* s_fixture;
};

QueryFixtureStore* StoreQueryHits::s_fixture = nullptr;

// The run is executed on the test's thread, so the table pins what a query
// finds apart from the worker that carries it.
TEST_P(StoreQueryHits, FindExactlyTheVersionsTheUserMayFind)
{
    const StoreHitCase& c = GetParam();
    std::vector<qint64> libraries;
    if (*c.library) {
        libraries.push_back(s_fixture->libraryRow(QString::fromLatin1(c.library)));
    }
    auto hits = std::make_shared<store::QueryHitList>();
    store::QueryRun run(s_fixture->contextOf(QString::fromLatin1(c.user)),
                        store::QueryParser::parse(QString::fromUtf8(c.expression)), libraries, hits);
    run.execute();
    ASSERT_TRUE(run.finished());
    ASSERT_EQ(run.error().toStdString(), "");
    std::vector<qint64> rows;
    for (int i = 0; i < hits->count(); ++i) {
        rows.push_back(hits->at(i).versionRow);
    }
    EXPECT_EQ(s_fixture->namesOfVersions(rows).join(QLatin1Char(' ')).toStdString(), c.hits);
}

const char* const kAll = "(DOCREFERENCE)";
const char* const kAllAsLibrarian = "(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)";

INSTANTIATE_TEST_SUITE_P(
    Access, StoreQueryHits,
    testing::Values(
        // as author or creator, through a sharing entry or a list's entry, or by default rights
        StoreHitCase {"AUTH", "", kAll, "LIB1.1.1 LIB1.1.2 LIB1.2.1 LIB1.3.1 LIB2.1.1 LIB2.2.1 LIB2.3.1 LIB2.4.1"},
        StoreHitCase {"OTHER", "", kAll, "LIB1.2.1 LIB1.3.1 LIB1.4.1"},
        StoreHitCase {"SHARED", "", kAll, "LIB1.2.1 LIB1.3.1"}, StoreHitCase {"MEMBER", "", kAll, "LIB1.3.1 LIB1.4.1"},
        // an explicit deny hides a document the default rights would show
        StoreHitCase {"DENIED", "", kAll, "LIB1.3.1"},
        // a librarian sees everything of their library only when searching as librarian
        StoreHitCase {"LIBR", "", kAll, "LIB1.3.1"},
        StoreHitCase {"LIBR", "", kAllAsLibrarian, "LIB1.1.1 LIB1.1.2 LIB1.2.1 LIB1.3.1 LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB2", kAllAsLibrarian, ""},
        StoreHitCase {"LIBR", "", "(DOCREFERENCE) OR (SEARCH_AS_LIBRARIAN)", "LIB1.3.1"},
        StoreHitCase {"AUTH", "", kAllAsLibrarian,
                      "LIB1.1.1 LIB1.1.2 LIB1.2.1 LIB1.3.1 LIB2.1.1 LIB2.2.1 LIB2.3.1 LIB2.4.1"},
        // Locations limit the libraries
        StoreHitCase {"AUTH", "LIB2", kAll, "LIB2.1.1 LIB2.2.1 LIB2.3.1 LIB2.4.1"},
        StoreHitCase {"AUTH", "LIB1", "(SUBJECT CONTAINS \"annual\")", "LIB1.1.1 LIB1.1.2"}));

// Subject words are tested in SQL first where that is safe; these must still
// find exactly what the evaluator finds.
INSTANTIATE_TEST_SUITE_P(
    SubjectFilter, StoreQueryHits,
    testing::Values(StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"KELVIN\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"elvin\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"kelvin scale\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT BEGINSWITH \"K\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"\u212Aelvin\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"\u017Fcale\"", "LIB2.2.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"\u00E9\"", ""},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"100%\"", "LIB2.3.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT BEGINSWITH \"100% _\"", "LIB2.3.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"_done_\"", "LIB2.3.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"1_0\"", ""},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS \"c:\\d\"", "LIB2.4.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS (\"ANNUAL\" AND \"budget\")", "LIB2.1.1"},
                    StoreHitCase {"AUTH", "LIB2", "SUBJECT CONTAINS (\"annual\" OR \"done\")", "LIB2.1.1 LIB2.3.1"},
                    StoreHitCase {"AUTH", "LIB2", "NOT SUBJECT CONTAINS \"a\"", "LIB2.3.1 LIB2.4.1"}));

INSTANTIATE_TEST_SUITE_P(
    Terms, StoreQueryHits,
    testing::Values(
        StoreHitCase {"LIBR", "LIB1", "(SUBJECT CONTAINS \"annual\") AND (SEARCH_AS_LIBRARIAN)", "LIB1.1.1 LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1", "(SUBJECT CONTAINS (\"secret\" AND \"PLAN\")) AND (SEARCH_AS_LIBRARIAN)",
                      "LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB1",
                      "(DOCREFERENCE AND DOCUMENT_NUMBER >= 2 AND DOCUMENT_NUMBER <= 3) AND "
                      "(SEARCH_AS_LIBRARIAN)",
                      "LIB1.2.1 LIB1.3.1"},
        StoreHitCase {"LIBR", "LIB1",
                      "(DOCREFERENCE AND NOT DOCVERSION_CHECKED_OUT AND NOT DOCVERSION_IN_USE AND NOT "
                      "DOCVERSION_CONNECTED_READ_WRITE AND NOT DOCVERSION_ARCHIVED) AND "
                      "(SEARCH_AS_LIBRARIAN)",
                      "LIB1.1.1 LIB1.3.1 LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB1", "(DOCVERSION_CHECKED_OUT OR DOCVERSION_ARCHIVED) AND SEARCH_AS_LIBRARIAN",
                      "LIB1.1.2 LIB1.2.1"},
        StoreHitCase {"LIBR", "LIB1",
                      "(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 2 AND SIZE > 10) AND "
                      "SEARCH_AS_LIBRARIAN",
                      "LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1",
                      "(DOCREFERENCE AND DOCUMENT_NUMBER = 1 AND VERSION_NUMBER = 2 AND SIZE > 11) AND "
                      "SEARCH_AS_LIBRARIAN",
                      ""},
        StoreHitCase {"LIBR", "LIB1", "AUTHOR CONTAINS \"Ann Author\" AND SEARCH_AS_LIBRARIAN",
                      "LIB1.1.1 LIB1.1.2 LIB1.2.1"},
        StoreHitCase {"LIBR", "LIB1", "DOCUMENT_CREATOR CONTAINS \"other\" AND SEARCH_AS_LIBRARIAN",
                      "LIB1.2.1 LIB1.3.1 LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB1", "DOCUMENT_TYPE CONTAINS \"memo\" AND SEARCH_AS_LIBRARIAN", "LIB1.2.1"},
        StoreHitCase {"LIBR", "LIB1", "DOCUMENT_FILENAME CONTAINS \"txt\" AND SEARCH_AS_LIBRARIAN", "LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB1", "<Client, STRING> Contains \"acme\" AND SEARCH_AS_LIBRARIAN",
                      "LIB1.1.1 LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1", "<Amount, NUMERIC> > 1000 AND SEARCH_AS_LIBRARIAN", "LIB1.1.1 LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1", "<Amount, NUMERIC> <= 1000 AND SEARCH_AS_LIBRARIAN", ""},
        StoreHitCase {"LIBR", "LIB1", "CREATE_DATE >= 2024/01/01 AND CREATE_DATE <= 2024/01/31 AND SEARCH_AS_LIBRARIAN",
                      "LIB1.1.1 LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1", "CREATE_DATE = 2024.1.15 AND SEARCH_AS_LIBRARIAN", "LIB1.1.1 LIB1.1.2"},
        StoreHitCase {"LIBR", "LIB1", "CREATE_DATE <> 2024/01/15 AND SEARCH_AS_LIBRARIAN",
                      "LIB1.2.1 LIB1.3.1 LIB1.4.1"},
        StoreHitCase {"LIBR", "LIB1", "CREATE_DATE < 2023/07/01 AND SEARCH_AS_LIBRARIAN", "LIB1.2.1"},
        StoreHitCase {"LIBR", "LIB1", "CREATE_DATE > 2024/01/15 AND SEARCH_AS_LIBRARIAN", ""},
        StoreHitCase {"LIBR", "LIB1", "NOT CREATE_DATE > 2023/07/01 AND SEARCH_AS_LIBRARIAN", "LIB1.2.1 LIB1.3.1"},
        StoreHitCase {"LIBR", "LIB1", "MODIFY_DATE >= 2024/03/01 AND SEARCH_AS_LIBRARIAN", "LIB1.1.2 LIB1.3.1"}));

TEST(StoreQueryFind, KeepsTheOrderOfTheReferencesAndDropsTheOthers)
{
    QueryFixtureStore fixture;
    QSqlDatabase db = fixture.store()->database();
    std::vector<qint64> rows;
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT id FROM versions ORDER BY id DESC"));
    while (q.next()) {
        rows.push_back(q.value(0).toLongLong());
    }
    const std::vector<qint64> found
        = store::matchVersions(fixture.contextOf(QStringLiteral("AUTH")),
                               QStringLiteral("(DOCREFERENCE AND SUBJECT CONTAINS \"annual\")"), rows);
    EXPECT_EQ(fixture.namesOfVersions(found).join(QLatin1Char(' ')).toStdString(), "LIB2.1.1 LIB1.1.2 LIB1.1.1");
    EXPECT_THROW(store::matchVersions(fixture.contextOf(QStringLiteral("AUTH")), QStringLiteral("(SIZE >"), rows),
                 gw::Error);
}

// The SQL's LIKE reads a text only up to a NUL character; the words after one must still be found.
TEST(StoreQueryFind, FindsASubjectWordAfterANulCharacter)
{
    if (tw::test::onPostgres())
        GTEST_SKIP() << "PostgreSQL's text holds no NUL character";
    QueryFixtureStore fixture;
    QSqlDatabase db = fixture.store()->database();
    const qint64 library = fixture.libraryRow(QStringLiteral("LIB2"));
    store::Sql::run(db, QStringLiteral("UPDATE documents SET subject = ? WHERE library_id = ? AND number = 1"),
                    {QString(QStringLiteral("Annual") + QChar(0) + QStringLiteral("budget")), library});
    const qint64 version
        = store::Sql::scalar(db,
                             QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON d.id = v.document_id "
                                            "WHERE d.library_id = ? AND d.number = 1"),
                             {library})
              .toLongLong();
    for (const QString& expression :
         {QStringLiteral("SUBJECT CONTAINS \"budget\""), QStringLiteral("SUBJECT CONTAINS (\"annual\" AND \"budget\")"),
          QStringLiteral("SUBJECT BEGINSWITH \"annual\" AND SUBJECT CONTAINS \"dget\"")}) {
        EXPECT_EQ(store::matchVersions(fixture.contextOf(QStringLiteral("AUTH")), expression, {version}),
                  std::vector<qint64> {version})
            << expression.toStdString();
    }
}

} // namespace

namespace {

struct FileNameCase
{
    const char* contentFile;
    const char* fileType;
    const char* word;
    bool found;
};

void PrintTo(const FileNameCase& c, std::ostream* os)
{
    *os << "'" << c.contentFile << "' '" << c.fileType << "' " << c.word;
}

class FileNameTerm : public testing::TestWithParam<FileNameCase>
{
};

// A file-name term sees the extension: the generated hexadecimal stem of a
// content file must not make other file types match.
TEST_P(FileNameTerm, MatchesTheExtensionOnly)
{
    const FileNameCase& c = GetParam();
    QueryFixtureStore fixture;
    QSqlDatabase db = fixture.store()->database();
    store::Sql::run(db,
                    QStringLiteral("UPDATE versions SET content_file = ?, file_type = ? WHERE document_id = (SELECT "
                                   "id FROM documents WHERE library_id = ? AND number = 4)"),
                    {QString::fromLatin1(c.contentFile), QString::fromLatin1(c.fileType),
                     fixture.libraryRow(QStringLiteral("LIB1"))});
    const std::vector<qint64> found = store::matchVersions(
        fixture.contextOf(QStringLiteral("OTHER")),
        QStringLiteral("DOCUMENT_NUMBER = 4 AND DOCUMENT_FILENAME CONTAINS \"%1\"").arg(QString::fromLatin1(c.word)),
        {store::Sql::scalar(db,
                            QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON d.id = v.document_id "
                                           "WHERE d.library_id = ? AND d.number = 4"),
                            {fixture.libraryRow(QStringLiteral("LIB1"))})
             .toLongLong()});
    EXPECT_EQ(!found.empty(), c.found);
}

INSTANTIATE_TEST_SUITE_P(Query, FileNameTerm,
                         testing::Values(FileNameCase {"0000ABCD.TXT", "txt", "txt", true},
                                         FileNameCase {"0000ABCD.TXT", "txt", ".TXT", true},
                                         FileNameCase {"0000ABCD.TXT", "txt", "abc", false},
                                         FileNameCase {"0000ABCD.TXT", "txt", "c", false},
                                         FileNameCase {"", "pdf", "pdf", true}, FileNameCase {"", "", "pdf", false}));

} // namespace
