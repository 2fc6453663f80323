#include "store/query/StoreQuery.h"

#include "QueryFixtureStore.h"
#include "gw/Error.h"
#include "store/Sql.h"

#include <QElapsedTimer>
#include <QSet>
#include <QThread>
#include <functional>
#include <gtest/gtest.h>
#include <map>

namespace {

using tw::test::QueryFixtureStore;

const int kBulkDocuments = 100000;
const int kBulkVersions = 3;

// A large library shared by the run-behaviour tests: 100,000 documents with
// three versions each, every tenth subject holding "x".
class StoreQueryRun : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_fixture = new QueryFixtureStore;
        s_fixture->addBulkLibrary(QStringLiteral("BULK"), kBulkDocuments, kBulkVersions);
    }
    static void TearDownTestSuite()
    {
        delete s_fixture;
        s_fixture = nullptr;
    }

    static std::unique_ptr<store::StoreQuery> query(const QString& user, const QString& expression)
    {
        auto q = std::make_unique<store::StoreQuery>(s_fixture->contextOf(user));
        q->setExpression(expression);
        return q;
    }

    // Polls like the program does, but often, and gives up after a minute.
    static bool waitCompleted(store::StoreQuery& q)
    {
        QElapsedTimer timer;
        timer.start();
        while (!q.Completed()) {
            if (timer.elapsed() > 60000) {
                return false;
            }
            QThread::msleep(5);
        }
        return true;
    }

    static QueryFixtureStore* s_fixture;
};

QueryFixtureStore* StoreQueryRun::s_fixture = nullptr;

const char* const kLibrarianX = "(SUBJECT CONTAINS \"x\") AND (SEARCH_AS_LIBRARIAN)";

TEST_F(StoreQueryRun, HitsAppearWhileTheQueryRunsAndCompletedTurnsTrue)
{
    auto q = query(QStringLiteral("LIBR"), QString::fromLatin1(kLibrarianX));
    q->Start();
    std::shared_ptr<gw::Messages> hits = q->QueryMessages();
    int seenWhileRunning = 0;
    while (!q->Completed()) {
        seenWhileRunning = hits->Count();
        if (seenWhileRunning > 0) {
            break;
        }
        QThread::usleep(200);
    }
    EXPECT_GT(seenWhileRunning, 0) << "no hit was visible before the query completed";
    ASSERT_TRUE(waitCompleted(*q));
    EXPECT_EQ(hits->Count(), kBulkDocuments / 10 * kBulkVersions);
    EXPECT_EQ(q->QueryMessages()->Count(), kBulkDocuments / 10 * kBulkVersions);
}

TEST_F(StoreQueryRun, StopEndsTheQueryAtOnceAndKeepsTheHitsFound)
{
    auto q = query(QStringLiteral("LIBR"), QStringLiteral("(DOCREFERENCE) AND (SEARCH_AS_LIBRARIAN)"));
    q->Start();
    std::shared_ptr<gw::Messages> hits = q->QueryMessages();
    while (hits->Count() == 0) {
        QThread::usleep(200);
    }
    QElapsedTimer timer;
    timer.start();
    q->Stop();
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_TRUE(q->Completed());
    const int kept = hits->Count();
    EXPECT_GT(kept, 0);
    EXPECT_LT(kept, kBulkDocuments * kBulkVersions);
    QThread::msleep(50);
    EXPECT_EQ(hits->Count(), kept) << "hits were added after Stop";
}

TEST_F(StoreQueryRun, MalformedExpressionFailsAtStartAndRunsNothing)
{
    auto q = query(QStringLiteral("LIBR"), QStringLiteral("(SUBJECT CONTAINS \"x\" AND"));
    try {
        q->Start();
        FAIL() << "Start accepted a malformed expression";
    } catch (const gw::Error& e) {
        EXPECT_EQ(e.message().toStdString(), "Query error at position 26: expected a term but found end of expression");
    }
    EXPECT_TRUE(q->Completed());
    EXPECT_EQ(q->QueryMessages()->Count(), 0);
}

TEST_F(StoreQueryRun, StartingAgainGivesANewResultAndLeavesTheOldOne)
{
    auto q = query(QStringLiteral("AUTH"), QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER <= 2)"));
    q->Start();
    ASSERT_TRUE(waitCompleted(*q));
    std::shared_ptr<gw::Messages> first = q->QueryMessages();
    const int firstCount = first->Count();
    q->setExpression(QStringLiteral("(DOCREFERENCE AND DOCUMENT_NUMBER <= 1)"));
    q->Start();
    ASSERT_TRUE(waitCompleted(*q));
    EXPECT_EQ(first->Count(), firstCount);
    EXPECT_LT(q->QueryMessages()->Count(), firstCount);
}

// The worker reads one snapshot through its own connection: a change committed
// while it runs is seen whole or not at all, and the writer is not held up.
TEST_F(StoreQueryRun, AWriteDuringTheQueryIsNeitherBlockedNorSeenByHalf)
{
    auto q = query(QStringLiteral("LIBR"), QString::fromLatin1(kLibrarianX));
    q->Start();
    std::shared_ptr<gw::Messages> hits = q->QueryMessages();
    while (hits->Count() == 0 && !q->Completed()) {
        QThread::usleep(200);
    }
    const qint64 bulk = s_fixture->libraryRow(QStringLiteral("BULK"));
    QElapsedTimer timer;
    timer.start();
    {
        QSqlDatabase db = s_fixture->store()->database();
        store::WriteTransaction sp(db);
        // Take "x" out of the first and the last matching document together.
        store::Sql::run(db,
                        QStringLiteral("UPDATE documents SET subject = 'changed' WHERE library_id = ? AND number IN "
                                       "(10, ?)"),
                        {bulk, kBulkDocuments});
        sp.commit();
    }
    EXPECT_LT(timer.elapsed(), 2000) << "the write waited for the query";
    ASSERT_TRUE(waitCompleted(*q));
    const int count = hits->Count();
    EXPECT_TRUE(count == kBulkDocuments / 10 * kBulkVersions || count == (kBulkDocuments / 10 - 2) * kBulkVersions)
        << count << " hits: the query saw half of the change";
    QSqlDatabase db = s_fixture->store()->database();
    store::Sql::run(db,
                    QStringLiteral("UPDATE documents SET subject = 'Bulk document ' || number || ' x' WHERE "
                                   "library_id = ? AND number IN (10, ?)"),
                    {bulk, kBulkDocuments});
}

TEST_F(StoreQueryRun, AQueryThatFailsOnTheWayRaisesItsErrorFromCompleted)
{
    QueryFixtureStore broken;
    QSqlDatabase db = broken.store()->database();
    store::Sql::run(db, QStringLiteral("ALTER TABLE versions RENAME TO versions_gone"));
    store::StoreQuery q(broken.contextOf(QStringLiteral("AUTH")));
    q.setExpression(QStringLiteral("(DOCREFERENCE)"));
    q.Start();
    QElapsedTimer timer;
    timer.start();
    bool raised = false;
    while (timer.elapsed() < 10000) {
        try {
            if (q.Completed()) {
                break;
            }
        } catch (const gw::Error& e) {
            raised = true;
            EXPECT_TRUE(e.message().startsWith(QStringLiteral("The query cannot be run"))) << e.what();
        }
        QThread::msleep(5);
    }
    EXPECT_TRUE(raised);
    EXPECT_TRUE(q.Completed());
}

struct FaultCase
{
    const char* member;
};

void PrintTo(const FaultCase& c, std::ostream* os)
{
    *os << c.member;
}

class QueryFaultRule : public testing::TestWithParam<FaultCase>
{
};

TEST_P(QueryFaultRule, RaisesTheRuleMessageFromTheNamedMember)
{
    QueryFixtureStore fixture;
    store::StoreQuery q(fixture.contextOf(QStringLiteral("AUTH")));
    q.setExpression(QStringLiteral("(DOCREFERENCE)"));
    std::shared_ptr<gw::Messages> messages = q.QueryMessages();
    store::FaultRule rule;
    rule.member = QString::fromLatin1(GetParam().member);
    rule.message = QStringLiteral("Injected failure");
    fixture.store()->addFaultRule(rule);
    const std::map<std::string, std::function<void()>> calls {
        {"Expression", [&] { q.setExpression(QStringLiteral("(DOCREFERENCE)")); }},
        {"Locations", [&] { q.Locations(); }},
        {"Start", [&] { q.Start(); }},
        {"Completed", [&] { q.Completed(); }},
        {"Stop", [&] { q.Stop(); }},
        {"QueryMessages", [&] { q.QueryMessages(); }},
        {"Count", [&] { messages->Count(); }}};
    for (const auto& [member, call] : calls) {
        if (member == GetParam().member) {
            try {
                call();
                ADD_FAILURE() << member << " did not raise";
            } catch (const gw::Error& e) {
                EXPECT_EQ(e.message().toStdString(), "Injected failure");
            }
        } else {
            EXPECT_NO_THROW(call()) << member;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Query, QueryFaultRule,
                         testing::Values(FaultCase {"Expression"}, FaultCase {"Locations"}, FaultCase {"Start"},
                                         FaultCase {"Completed"}, FaultCase {"Stop"}, FaultCase {"QueryMessages"},
                                         FaultCase {"Count"}));

} // namespace
