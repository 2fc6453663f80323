#include "MaintFixture.h"
#include "core/maint/ClearCheckOut.h"
#include "support/DryRun.h"
#include "support/GTestQt.h"

#include <functional>

namespace {

class MaintDryRunTest;

// A clear-flags fixture: what is checked out, by whom, and what fails.
struct ClearCase
{
    const char* name;
    std::function<void(MaintDryRunTest&)> arrange;
    const char* fault; // a member of version 4.1 the store fails to read, or nothing
    // The unit lines the real run writes (and the dry run names, with its prefix).
    QStringList units;
    int successes;
};

class MaintDryRunTest : public tw::test::MaintFixture, public testing::WithParamInterface<ClearCase>
{
public:
    using MaintFixture::checkOutDir;
    using MaintFixture::holdBy;
    using MaintFixture::version;
    using MaintFixture::writeFile;
};

// The same library cleared dry and then for real: the dry run changes no byte of the store, and
// names line for line what the real run then does, failures and refusals included.
TEST_P(MaintDryRunTest, ClearFlagsDryNamesWhatTheRealRunDoes)
{
    const ClearCase& c = GetParam();
    if (*c.fault)
        addFault(c.fault, 4, 1, "store offline");
    open();
    c.arrange(*this);
    const QString report = reportDir() + QStringLiteral("ClearChk.rpt");
    std::optional<tw::RunOutcome> dry;
    std::optional<tw::RunOutcome> real;
    const auto runs = tw::test::dryThenReal(m_state, {m_fixture.path(), checkOutDir()}, report, [&] {
        m_host.yesNoAnswers.enqueue(true);
        (dry ? real : dry) = tw::ClearCheckOut(services()).BCOClearClick(inputs());
    });
    EXPECT_EQ(runs.changedFiles, QStringList());
    ASSERT_TRUE(dry && real);
    EXPECT_EQ(dry->successes, c.successes);
    EXPECT_EQ(real->successes, c.successes);
    EXPECT_EQ(tw::test::withoutDryRunMarks(runs.dry).mid(2), runs.real) << "the report's head of a new file aside";
    QStringList units;
    QStringList named;
    for (QString line : c.units) {
        line.replace("%DIR%", checkOutDir());
        units.append(line);
        named.append("Dry Run: " + line);
    }
    EXPECT_EQ(runs.real.mid(runs.real.size() - units.size()), units);
    EXPECT_EQ(tw::test::dryRunLines(runs.dry), named);
    const QString counts = QStringLiteral("Successful = %1/ Failed = %2").arg(c.successes).arg(dry->failures);
    EXPECT_TRUE(logHas("Clear Check Out Flags Completed - " + counts + " (Dry Run)"));
    EXPECT_TRUE(logHas("Clear Check Out Flags Completed - " + counts));
    EXPECT_TRUE(logHas("Completed Clear Check Out (Dry Run)"));
    EXPECT_TRUE(m_view.statuses.contains("Clear Check Out Flags Completed (Dry Run)"));
    EXPECT_EQ(m_view.statuses.last(), "Clear Check Out Flags Completed");
}

// %DIR% stands for the check-out directory.
INSTANTIATE_TEST_SUITE_P(
    Cases, MaintDryRunTest,
    testing::Values(ClearCase {"ownCheckOuts",
                               [](MaintDryRunTest& t) {
                                   const QString staged = t.checkOutDir() + "1_1.txt";
                                   t.version(1, 1)->CheckOut(staged);
                                   t.writeFile(staged, "edited alpha");
                                   t.holdBy(4, 1, "ANN");
                               },
                               "",
                               {"Success\t%DIR%1_1.txt\t1\t1", "Not Checked Out\t%DIR%1_2.txt\t1\t2",
                                "Not Checked Out\t%DIR%2_1.doc\t2\t1", "Success\t\t4\t1"},
                               2},
                    ClearCase {"anotherUsers",
                               [](MaintDryRunTest& t) { t.holdBy(1, 2, "BOB"); },
                               "",
                               {"Not Checked Out\t%DIR%1_1.txt\t1\t1", "Not Valid User\t%DIR%1_2.txt\t1\t2",
                                "Not Checked Out\t%DIR%2_1.doc\t2\t1", "Not Checked Out\t%DIR%4_1.xls\t4\t1"},
                               0},
                    ClearCase {"retrieverUnreadable",
                               [](MaintDryRunTest& t) { t.holdBy(4, 1, "ANN"); },
                               "Retriever",
                               {"Not Checked Out\t%DIR%1_1.txt\t1\t1", "Not Checked Out\t%DIR%1_2.txt\t1\t2",
                                "Not Checked Out\t%DIR%2_1.doc\t2\t1", "Failure\t%DIR%4_1.xls\t4\t1"},
                               0}),
    [](const testing::TestParamInfo<ClearCase>& info) { return std::string(info.param.name); });

} // namespace
