#include "RightsFixture.h"
#include "core/rights/RightsDocs.h"
#include "support/GTestQt.h"

#include <QFileInfo>

namespace {

using tw::RightsInputs;

class RightsCheckTest : public tw::test::RightsFixture
{
protected:
    RightsInputs inputs(int selector, int mask, const QString& user, const QString& directory) const
    {
        RightsInputs in;
        in.run.useQuery = false;
        in.run.reportDirectory = directory;
        in.selector = selector;
        in.selectedMask = mask;
        in.userText = user;
        in.knownNames = knownNames();
        return in;
    }
    tw::RunOutcome check(const RightsInputs& in) { return tw::RightsDocs(services(), m_rows).RightsDocsRun(in); }
    // The rows as "number version mask".
    QStringList rows() const
    {
        QStringList texts;
        for (const tw::ResultRow& row : m_rows.rows)
            texts.append(row.texts.value(0).trimmed() + QLatin1Char(' ') + row.texts.value(1) + QLatin1Char(' ')
                         + row.hidden);
        return texts;
    }
};

struct CheckCase
{
    const char* name;
    int selector;
    int mask;
    const char* user;
    QStringList rows;
};

class RightsTestsTest : public RightsCheckTest, public testing::WithParamInterface<CheckCase>
{
};

TEST_P(RightsTestsTest, PicksTheVersionsItsTestNames)
{
    open();
    const CheckCase& c = GetParam();
    check(inputs(c.selector, c.mask, QString::fromUtf8(c.user), reportDir()));
    EXPECT_EQ(rows(), c.rows);
    EXPECT_EQ(m_rows.clears, 1);
}

INSTANTIATE_TEST_SUITE_P(Selectors, RightsTestsTest,
                         testing::Values(
                             // Only exactly 47 is full: 63 carries the bit that is no right.
                             CheckCase {"creator", 0, 0, "", {"2 1 63"}},
                             // No box ticked: every version, at its own level (1.1 official, 1.2 current).
                             CheckCase {"general", 1, 0, "", {"1 1 4", "1 2 6", "2 1 36", "4 1 0"}},
                             CheckCase {"generalShare", 1, 32, "", {"2 1 36"}},
                             CheckCase {"generalViewEdit", 1, 6, "", {"1 2 6"}},
                             // The first entry of the name decides (document 2 has two).
                             CheckCase {"specified", 2, 47, "Bob Baker", {"1 1 6", "1 2 38", "2 1 4"}},
                             // Letter case counts for a specified user, not for a stray.
                             CheckCase {"letterCase", 2, 0, "bob baker", {}},
                             CheckCase {"strays", 2, 0, "<Strays>", {"1 1 0", "1 2 0"}},
                             CheckCase {"unknown", 3, 0, "", {}}),
                         [](const testing::TestParamInfo<CheckCase>& info) { return std::string(info.param.name); });

TEST_F(RightsCheckTest, ReportsEveryPickedRowAndItsStrays)
{
    open();
    const tw::RunOutcome outcome = check(inputs(2, 0, "<Strays>", reportDir()));
    EXPECT_TRUE(outcome.error.isEmpty());
    ASSERT_EQ(m_rows.rows.size(), 2u);
    EXPECT_EQ(m_rows.rows[0].texts,
              (QStringList {"       1", "1", "Budget 2004", "Ann Archer", "Available", "<Never>"}));
    EXPECT_EQ(m_rows.rows[1].texts.value(5), "02/01/2026") << "the date alone";
    EXPECT_EQ(readLines(reportDir() + "Rights.rpt"),
              (QStringList {
                  "Tarnwick (1.0.0.1) Library Rights Check Report File - Initialised at 09/12/2026 10:11:12", "", "",
                  "Report on Library LIB1 - Started at 09/12/2026 10:11:12", "",
                  "Doc. Number\tDoc. Version\tSubject\tAuthor\tStatus\tLast Used\tRights Mask",
                  "       1\t1\tBudget 2004\tAnn Archer\tAvailable\t<Never>\t0", "Unknown Rights for Zed Gone",
                  "       1\t2\tBudget 2004\tAnn Archer\tAvailable\t02/01/2026\t0", "Unknown Rights for Zed Gone"}));
    for (const char* line : {"Rights Check Documents - Full Library", "Rights Check Report of Documents Completed"})
        EXPECT_TRUE(logHas(QString::fromLatin1(line))) << line;
    EXPECT_FALSE(logHas("Checking Document 1 Version 1")) << "the status line only";
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Checking Document 1 Version 1"));
    EXPECT_EQ(m_view.statuses.first(), "Rights Check (Full Library) Started");
    EXPECT_EQ(m_view.statuses.last(), "Rights Check Report Completed");
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(RightsCheckTest, WithoutADirectoryThereIsNoReport)
{
    open();
    const QString cwdReport = QFileInfo(QStringLiteral("Rights.rpt")).absoluteFilePath();
    QFile::remove(cwdReport);
    check(inputs(0, 0, "", QStringLiteral("  ")));
    EXPECT_EQ(rows(), QStringList {"2 1 63"});
    EXPECT_FALSE(QFileInfo::exists(cwdReport));
}

TEST_F(RightsCheckTest, AnUnreadableOfficialVersionCountsAsTheOfficialLevel)
{
    addFault("OfficialVersion", 1, 0, "index gone");
    open();
    check(inputs(2, 0, "Bob Baker", reportDir()));
    // 1.2 is judged at the official level: 6, not the current level's 38.
    EXPECT_EQ(rows(), (QStringList {"1 1 6", "1 2 6", "2 1 4"}));
    EXPECT_TRUE(
        m_host.statusLines.contains("Last Operation Error: Cannot Retrieve Official Document Version 2 (index gone)"));
    EXPECT_FALSE(logText().contains("Cannot Retrieve Official"));
}

TEST_F(RightsCheckTest, AnUnknownSelectorSaysSoForEveryVersion)
{
    open();
    check(inputs(7, 0, "", reportDir()));
    EXPECT_EQ(m_host.messages.size(), 4);
    EXPECT_EQ(m_host.messages.first().text, "Unknown Rights Check Option");
}

} // namespace
