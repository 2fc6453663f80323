#include "MaintFixture.h"
#include "core/maint/CheckInDocs.h"
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

// The daily log's messages (the text after the time stamp) from line `from` on.
QStringList outcomeLines(const QString& log, qsizetype from, qsizetype to = -1)
{
    static const QRegularExpression outcome(QStringLiteral("^(Dry Run: )?(FAIL|SUCCESS|PARTIAL|Altered) "));
    QStringList messages;
    for (const QString& line : log.split(QStringLiteral("\r\n")))
        messages.append(line.section(QLatin1Char('\t'), 1));
    return messages.mid(from, to < 0 ? -1 : to - from).filter(outcome);
}

class CheckInDryRunTest : public tw::test::MaintFixture
{
};

// One check-in folder of every kind of file, checked in dry and then for real: the dry run
// changes no byte of the store or the folder and names in the daily log, line for line, what the
// real run then does.
TEST_F(CheckInDryRunTest, CheckInDryNamesWhatTheRealRunDoes)
{
    open();
    for (const auto& [number, v] : {std::pair {1, 1}, std::pair {1, 2}})
        version(number, v)->CheckOut(m_scratch.filePath(QStringLiteral("held-%1-%2").arg(number).arg(v)));
    QTemporaryDir in;
    const QString dir = in.path() + QLatin1Char('/');
    // Checked in, checked in with a new type, a bad name, no such document, no such version,
    // a version not checked out.
    for (const char* file : {"1_1.txt", "1_2.doc", "2_1", "1234_2.doc", "4_3.xls", "4_1.xls"})
        writeFile(dir + file, "edited content");
    QList<qsizetype> logSizes {logText().split("\r\n").size() - 1};
    const auto runs = tw::test::dryThenReal(m_state, {m_fixture.path(), in.path()}, QString(), [&] {
        tw::CheckInDocs checkIn(services());
        checkIn.setPauseForTesting(0);
        checkIn.BCheckInClick(dir);
        logSizes.append(logText().split("\r\n").size() - 1);
    });
    EXPECT_EQ(runs.changedFiles, QStringList());
    const QStringList dry = outcomeLines(logText(), logSizes[0], logSizes[1]);
    const QStringList real = outcomeLines(logText(), logSizes[1]);
    EXPECT_EQ(tw::test::dryRunLines(dry), dry) << "every outcome of the dry run is marked";
    EXPECT_EQ(tw::test::withoutDryRunMarks(dry), real);
    for (const char* line :
         {"SUCCESS - Successfully Checked In Document 1 Version 1",
          "Altered Document Version Extension from txt to doc",
          "SUCCESS - Successfully Checked In Document 1 Version 2", "FAIL - Document Number 4 Version 3 not found",
          "FAIL - Document Number 4 Version 1 not Checked Out"})
        EXPECT_TRUE(real.contains(line)) << line;
    EXPECT_FALSE(QFileInfo::exists(dir + "1_1.txt")) << "the real run checked it in";
    EXPECT_EQ(content(1, 2), "edited content");
    EXPECT_TRUE(logHas("Completed Document Check In (Dry Run)"));
    EXPECT_TRUE(m_view.statuses.contains("Check In Completed (Dry Run)"));
    EXPECT_EQ(m_view.statuses.last(), "Check In Completed");
}

} // namespace
