#include "core/query/QueryRunner.h"

#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/query/AssembleQuery.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "store/demo/Generator.h"
#include "support/DailyLog.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"
#include "support/ScriptedHost.h"

#include <functional>
#include <gtest/gtest.h>

using tw::QueryRunner;
using tw::test::FixtureStore;
using tw::test::ScriptedHost;

namespace {

// LIB1 with `documents` generated documents of one version each (subject "Document n").
class QueryRunnerTest : public testing::Test
{
protected:
    void build(qint64 documents)
    {
        store::Generator::generate(m_fixture.store(), "LIB1", documents, 1);
        m_fixture.builder().setLibraryRights("LIB1", "ANN", true);
        login();
    }
    // ANN logged in with LIB1 selected, the query polled every 20 ms.
    void login()
    {
        m_refs.session = m_platform->CreateSession();
        m_refs.account = m_refs.session->Login(QString(), QString(), QString(), 0);
        for (int i = 1; i <= m_refs.account->DocumentLibraries()->Count(); ++i) {
            if (m_refs.account->DocumentLibraries()->Item(i)->Name() == "LIB1")
                m_refs.selectedLibrary = m_refs.account->DocumentLibraries()->Item(i);
        }
        m_runner.setPollIntervalForTesting(20);
    }
    QString logText() { return tw::test::dailyLogText(m_log); }

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    ScriptedHost m_host;
    tw::OperationLog m_log {m_logDir.path(), "Tarnwick (1.0.0.1)", &m_host};
    std::shared_ptr<store::StorePlatform> m_platform = m_fixture.platform();
    tw::GwRefs m_refs;
    tw::RunState m_state;
    QString m_expression = "DOCREFERENCE";
    QueryRunner m_runner {m_refs, m_state, m_log, m_host, [this] { return m_expression; }};
};

TEST_F(QueryRunnerTest, NoHitsReturnsZeroAndEndsIdleForATestButton)
{
    build(5);
    m_expression = "DOCREFERENCE AND SUBJECT CONTAINS \"nothing like this\"";
    EXPECT_EQ(m_runner.RunQuery(), 0);
    EXPECT_EQ(m_state.QueryString, "(DOCREFERENCE AND SUBJECT CONTAINS \"nothing like this\")");
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_FALSE(m_host.busyCursor);
    EXPECT_TRUE(logText().contains("\tQuery returned 0 documents\r\n"));
    EXPECT_TRUE(logText().contains("\tQuery Successfully Completed\r\n"));
}

TEST_F(QueryRunnerTest, LibrarianWrappingAndExtraTerms)
{
    build(5);
    m_state.LibrarianAccess = true;
    const tw::BusyMark run(m_state);
    EXPECT_EQ(m_runner.RunQuery(" AND DOCUMENT_NUMBER <= 3"), 3);
    EXPECT_EQ(m_state.QueryString, "(DOCREFERENCE AND DOCUMENT_NUMBER <= 3) AND (SEARCH_AS_LIBRARIAN)");
    EXPECT_FALSE(m_state.OperationIdle) << "a run's query leaves the run busy";
    ASSERT_EQ(m_refs.queryResults->Count(), 3);
    EXPECT_EQ(m_refs.queryResults->Item(1)->DocumentVersion()->VersionNumber(), 1);
}

TEST_F(QueryRunnerTest, AboveTheLimitTheQueryStopsAndKeepsItsHits)
{
    build(4300);
    const int n = m_runner.RunQuery();
    ASSERT_GT(n, QueryRunner::HitLimit) << "the count is what was collected, not the limit";
    EXPECT_LE(n, 4300);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "Query returned more than 4000 documents");
    EXPECT_EQ(m_refs.queryResults->Count(), n);
}

TEST_F(QueryRunnerTest, CancelWhilePollingReturnsZeroAndLogsTheCount)
{
    build(3000);
    m_host.onPump = [this] { m_state.CancelRequested = true; };
    EXPECT_EQ(m_runner.RunQuery(), 0);
    EXPECT_FALSE(m_state.CancelRequested);
    EXPECT_TRUE(logText().contains("\tQuery Cancelled after returning ")) << logText().toStdString();
    EXPECT_TRUE(logText().contains("\tQuery returned 0 documents\r\n"));
}

TEST_F(QueryRunnerTest, AMalformedExpressionPropagatesAndLeavesTheCursorBack)
{
    build(2);
    m_expression = "DOCREFERENCE AND (SUBJECT CONTAINS";
    EXPECT_THROW(m_runner.RunQuery(), gw::Error);
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_FALSE(m_host.busyCursor);
}

// LIB1 with documents whose subjects hold the characters of the query language, and a
// run of the query the Query tab assembles from one hostile field.
class HostileFieldTest : public QueryRunnerTest
{
protected:
    HostileFieldTest()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "LIB1", "Hostile subjects");
        s.setLibraryRights("LIB1", "ANN", true);
        const char* subjects[]
            = {"x\"\tOR\tSUBJECT<>\"", "plain memo", "O\"Brien report", "semi) OR (DOCREFERENCE", "tab\there"};
        store::NewVersion version;
        version.fileType = "txt";
        for (const char* subject : subjects) {
            store::NewDocument document;
            document.library = "LIB1";
            document.author = "ANN";
            document.subject = QString::fromUtf8(subject);
            version.content = "content";
            s.importDocument(document, version);
        }
        login();
    }
    QList<qint64> hits(const tw::QueryFields& fields)
    {
        m_expression = tw::AssembleQuery(fields);
        m_runner.RunQuery();
        QList<qint64> numbers;
        for (int i = 1; i <= m_refs.queryResults->Count(); ++i)
            numbers.append(m_refs.queryResults->Item(i)->Document()->DocumentNumber());
        std::sort(numbers.begin(), numbers.end());
        return numbers;
    }
};

// A field's text never becomes query syntax: the query finds exactly the documents whose
// subject holds every word of the field (or whose author holds the author field's text).
TEST_F(HostileFieldTest, AFieldMatchesWhatItSaysAndNothingMore)
{
    const struct
    {
        const char* subject;
        const char* author;
        QList<qint64> expected;
    } cases[] = {
        {"x\"\tOR\tSUBJECT<>\"", "", {1}},
        {"O\"Brien", "", {3}},
        {"\") OR (DOCREFERENCE", "", {}},
        {"semi) OR (DOCREFERENCE", "", {4}},
        {"\"", "", {1, 3}},
        {"memo\" OR \"", "", {}},
        {"tab\there", "", {5}},
        {"", "Ann\" OR AUTHOR CONTAINS \"", {}},
        {"", "Archer", {1, 2, 3, 4, 5}},
    };
    for (const auto& c : cases) {
        tw::QueryFields fields;
        fields.subject = QString::fromUtf8(c.subject);
        fields.author = QString::fromUtf8(c.author);
        EXPECT_EQ(hits(fields), c.expected) << c.subject << " / " << c.author << ": " << m_expression.toStdString();
    }
}

TEST_F(HostileFieldTest, ANumberFieldHoldsANumberOnly)
{
    tw::QueryFields fields;
    fields.low = "1 OR DOCREFERENCE";
    EXPECT_THROW(tw::AssembleQuery(fields), tw::QueryFieldError);
    fields.low = " 2 ";
    fields.high = "3";
    EXPECT_EQ(hits(fields), (QList<qint64> {2, 3}));
}

} // namespace
