#include "RightsFixture.h"
#include "core/rights/FRightsDocs.h"
#include "support/GTestQt.h"

namespace {

class FullRightsTest : public tw::test::RightsFixture
{
protected:
    tw::RunOutcome report(bool remove, bool automatic)
    {
        tw::RunInputs in;
        in.useQuery = false;
        in.reportDirectory = reportDir();
        return tw::FRightsDocs(services(), m_rows).FRightsDocsRun(in, {remove, automatic});
    }
};

TEST_F(FullRightsTest, WritesEveryHolderOfEveryDocumentAtEachLevel)
{
    open();
    tw::ResultRow old;
    old.texts = QStringList {"old row"};
    m_rows.addRow(old);
    report(false, false);
    EXPECT_TRUE(m_rows.rows.empty()) << "the list is emptied and stays empty";
    EXPECT_EQ(readLines(reportDir() + "FRights.rpt"), expectedLines("FRights.rpt"));
    EXPECT_EQ(sharing(2).first(), "Team 0/0/0 denied") << "nothing removed without Delete";
}

struct RemovalCase
{
    const char* name;
    bool automatic;
    QList<bool> answers; // for documents 1 and 2, each with an explicit deny
    QStringList sharingOf2;
};

class DenyRemovalTest : public FullRightsTest, public testing::WithParamInterface<RemovalCase>
{
};

TEST_P(DenyRemovalTest, RemovesWhatTheAnswerAllows)
{
    open();
    const RemovalCase& c = GetParam();
    for (const bool answer : c.answers)
        m_host.yesNoAnswers.enqueue(answer);
    report(true, c.automatic);
    EXPECT_TRUE(m_host.yesNoAnswers.isEmpty());
    EXPECT_EQ(sharing(2), c.sharingOf2);
    if (!c.automatic) {
        EXPECT_EQ(m_host.questions.value(1), "Remove Any Explicit Deny Rights from Document        2 ?");
    }
    // Every block ends with its empty line, whatever the answer.
    const QStringList lines = readLines(reportDir() + "FRights.rpt");
    EXPECT_EQ(lines.count(QString()), 3 + 3);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DenyRemovalTest,
    testing::Values(RemovalCase {"ok", false, {true, true}, {"Bob Baker 4/4/4", "Bob Baker 39/39/39"}},
                    RemovalCase {
                        "cancel", false, {true, false}, {"Team 0/0/0 denied", "Bob Baker 4/4/4", "Bob Baker 39/39/39"}},
                    RemovalCase {"automatic", true, {}, {"Bob Baker 4/4/4", "Bob Baker 39/39/39"}}),
    [](const testing::TestParamInfo<RemovalCase>& info) { return std::string(info.param.name); });

TEST_F(FullRightsTest, RemovalLogsEachEntryAndGivesTheEmptySubjectOne)
{
    open();
    document(2)->setSubject(QString());
    report(true, true);
    EXPECT_TRUE(logHas("Document 1 Explicit Deny Rights removed for Team"));
    EXPECT_TRUE(logHas("Document 2 Explicit Deny Rights removed for Team"));
    EXPECT_EQ(document(2)->Subject(), "Unknown Subject");
    EXPECT_EQ(sharing(1), (QStringList {"Bob Baker 6/38/4", "Zed Gone 4/4/4"}));
}

TEST_F(FullRightsTest, ARemovalThatKeepsFailingGivesUpOnTheDocument)
{
    addFault("Refresh", 2, 0, "locked");
    open();
    report(true, true);
    const QString log = logText();
    EXPECT_EQ(log.count("Document 2 Error Removing Explicit Deny Rights"), tw::FRightsDocs::kRemovalPasses);
    EXPECT_TRUE(logHas("Document 2 Explicit Deny Rights still found after 5 removal passes"));
    EXPECT_EQ(sharing(2).first(), "Team 0/0/0 denied");
    EXPECT_TRUE(logHas("Document 1 Explicit Deny Rights removed for Team")) << "the other documents go on";
    EXPECT_TRUE(m_state.OperationIdle);
}

} // namespace
