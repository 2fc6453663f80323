#include "RightsFixture.h"
#include "core/rights/EditList.h"
#include "core/rights/FEditRDocs.h"
#include "core/rights/FRightsDocs.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "support/DryRun.h"
#include "support/GTestQt.h"

#include <functional>

namespace {

using store::SharingSpec;

class RightsDryRunTest;

struct EditCase
{
    const char* name;
    // Sets the edit list and whatever the store should refuse.
    std::function<void(RightsDryRunTest&)> arrange;
    // The outcome lines of the real run (the dry run names them with its prefix).
    QStringList outcomes;
    bool changes; // whether the real run changes a sharing list
};

class RightsDryRunTest : public tw::test::RightsFixture, public testing::WithParamInterface<EditCase>
{
public:
    void refuse(const QString& member, qint64 number)
    {
        store::FaultRule rule;
        rule.member = member;
        rule.library = "LIB1";
        rule.document = number;
        rule.message = "entry locked";
        m_fixture.store().addFaultRule(rule);
    }
    // Every document's sharing list, one after the other.
    QStringList allSharing() { return sharing(1) + QStringList {"|"} + sharing(2) + QStringList {"|"} + sharing(4); }

    tw::EditList m_list;
};

// The same edit run dry and then for real: the dry run changes no byte of the store and writes,
// line for line, the report the real run then writes, failures included.
TEST_P(RightsDryRunTest, RightsEditDryNamesWhatTheRealRunDoes)
{
    const EditCase& c = GetParam();
    m_fixture.builder().setRights(
        "LIB1", 4,
        {{}, {}, QList<SharingSpec> {{"Old One", {12, 6, 1}, false, false}, {"CAROL", {32, 32, 0}, false, false}}});
    c.arrange(*this);
    open();
    const QStringList before = allSharing();
    tw::RunInputs in;
    in.useQuery = false;
    in.reportDirectory = reportDir();
    const auto runs = tw::test::dryThenReal(m_state, {m_fixture.path()}, reportDir() + "FREdits.rpt",
                                            [&] { tw::FEditRDocs(services(), m_list).FEditRDocsRun(in); });
    EXPECT_EQ(runs.changedFiles, QStringList());
    EXPECT_EQ(tw::test::withoutDryRunMarks(runs.dry).mid(2), runs.real) << "the report's head of a new file aside";
    QStringList named;
    for (const QString& line : c.outcomes)
        named.append("Dry Run: " + line);
    EXPECT_EQ(tw::test::dryRunLines(runs.dry).filter(QRegularExpression("^Dry Run: Document ")), named);
    EXPECT_EQ(runs.real.filter(QRegularExpression("^Document ")), c.outcomes);
    EXPECT_EQ(allSharing() != before, c.changes) << "the real run changed the store";
    EXPECT_TRUE(logHas("Rights Edit Report of Documents Completed (Dry Run)"));
    EXPECT_TRUE(m_view.statuses.contains("Rights Edit Report Completed (Dry Run)"));
    EXPECT_TRUE(m_view.statuses.contains("Full Rights Edit (Full Library) Started (Dry Run)"));
    EXPECT_EQ(m_view.statuses.last(), "Rights Edit Report Completed");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RightsDryRunTest,
    testing::Values(
        EditCase {"deleteAndHandOver",
                  [](RightsDryRunTest& t) {
                      t.m_list.setEdit("Bob Baker", "", "Delete");
                      t.m_list.setEdit("Team", "Bob Baker", "Replace");
                      t.m_list.setEdit("Zed Gone", "Carol Cook", "Replace");
                  },
                  {"Document 1 - Rights removed for Bob Baker", "Document 1 Rights for Team replaced by Bob Baker",
                   "Document 1 - Rights removed for Team", "Document 1 Rights for Zed Gone replaced by Carol Cook",
                   "Document 1 - Rights removed for Zed Gone", "Document 2 - Rights removed for Bob Baker",
                   "Document 2 - Rights already present for Bob Baker", "Document 2 - Rights Updated for Bob Baker",
                   "Document 2 - Rights removed for Team"},
                  true},
        EditCase {"merge",
                  [](RightsDryRunTest& t) { t.m_list.setEdit("Old One", "Carol Cook", "Replace"); },
                  {"Document 4 - Rights already present for Carol Cook", "Document 4 - Rights Updated for Carol Cook",
                   "Document 4 - Rights removed for Old One"},
                  true},
        EditCase {"unknownReplacement",
                  [](RightsDryRunTest& t) { t.m_list.setEdit("Zed Gone", "Nobody Known", "Replace"); },
                  {"Document 1 - Rights NOT removed for Zed Gone"},
                  false},
        EditCase {
            "deleteRefused",
            [](RightsDryRunTest& t) {
                t.m_list.setEdit("Zed Gone", "", "Delete");
                t.m_list.setEdit("Old One", "", "Delete");
                t.refuse("Delete", 1);
            },
            {"Document 1 - Rights Found, but NOT removed for Zed Gone", "Document 4 - Rights removed for Old One"},
            true}),
    [](const testing::TestParamInfo<EditCase>& info) { return std::string(info.param.name); });

struct DenyCase
{
    const char* name;
    bool automatic;
    QList<bool> answers; // for documents 1 and 2, each with an explicit deny; the same in both runs
    QStringList outcomes; // the real run's log lines of the removal
};

class DenyDryRunTest : public tw::test::RightsFixture, public testing::WithParamInterface<DenyCase>
{
};

// The full rights report removing explicit denies, run dry and then for real: the dry run asks
// the same questions, changes no byte of the store and names in the daily log the removals the
// real run then makes; both write the same report.
TEST_P(DenyDryRunTest, DenyRemovalDryNamesWhatTheRealRunDoes)
{
    const DenyCase& c = GetParam();
    open();
    const QStringList before = sharing(1) + sharing(2);
    tw::RunInputs in;
    in.useQuery = false;
    in.reportDirectory = reportDir();
    QList<qsizetype> logSizes {logMessages().size()};
    const auto runs = tw::test::dryThenReal(m_state, {m_fixture.path()}, reportDir() + "FRights.rpt", [&] {
        for (const bool answer : c.answers)
            m_host.yesNoAnswers.enqueue(answer);
        tw::FRightsDocs(services(), m_rows).FRightsDocsRun(in, {true, c.automatic});
        logSizes.append(logMessages().size());
    });
    EXPECT_EQ(runs.changedFiles, QStringList());
    EXPECT_EQ(tw::test::withoutDryRunMarks(runs.dry).mid(2), runs.real);
    EXPECT_EQ(m_host.questions.size(), 2 * c.answers.size()) << "the dry run asks what the real run asks";
    const QStringList log = logMessages();
    const QRegularExpression removal("Explicit Deny Rights");
    const QStringList dry = log.mid(logSizes[0], logSizes[1] - logSizes[0]).filter(removal);
    const QStringList real = log.mid(logSizes[1]).filter(removal);
    EXPECT_EQ(real, c.outcomes);
    EXPECT_EQ(tw::test::dryRunLines(dry), dry) << "every removal the dry run names is marked";
    EXPECT_EQ(tw::test::withoutDryRunMarks(dry), real);
    EXPECT_EQ(sharing(1) + sharing(2) != before, !c.outcomes.isEmpty());
    EXPECT_TRUE(logHas("Rights Check Report of Documents Completed (Dry Run)"));
}

INSTANTIATE_TEST_SUITE_P(
    Answers, DenyDryRunTest,
    testing::Values(DenyCase {"ok",
                              false,
                              {true, true},
                              {"Document 1 Explicit Deny Rights removed for Team",
                               "Document 2 Explicit Deny Rights removed for Team"}},
                    DenyCase {"declined", false, {false, true}, {"Document 2 Explicit Deny Rights removed for Team"}},
                    DenyCase {"declinedBoth", false, {false, false}, {}},
                    DenyCase {"automatic",
                              true,
                              {},
                              {"Document 1 Explicit Deny Rights removed for Team",
                               "Document 2 Explicit Deny Rights removed for Team"}}),
    [](const testing::TestParamInfo<DenyCase>& info) { return std::string(info.param.name); });

} // namespace
