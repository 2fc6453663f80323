#include "core/runs/RunFrame.h"

#include "RunFixture.h"
#include "core/reports/ReportDocs.h"
#include "gw/ObjectModel.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFileInfo>

using tw::RunMode;
using tw::RunOutcome;

namespace {

class RunFrameTest : public tw::test::RunFixture
{
protected:
    RunOutcome report(bool useQuery = false, const QString& low = QString(), const QString& high = QString())
    {
        tw::RunInputs inputs;
        inputs.useQuery = useQuery;
        inputs.rangeLowText = low;
        inputs.rangeHighText = high;
        inputs.reportDirectory = reportDir();
        return tw::ReportDocs(services()).run(inputs);
    }
    QString reportPath() { return reportDir() + QStringLiteral("Library.rpt"); }
    void expectIdle(const char* status = "Report Completed")
    {
        EXPECT_TRUE(m_state.OperationIdle);
        EXPECT_FALSE(m_state.CancelRequested);
        EXPECT_FALSE(m_host.busyCursor);
        EXPECT_FALSE(m_refs.currentDocument);
        EXPECT_EQ(m_view.statuses.last(), status);
        EXPECT_GE(m_view.clears, 1) << "the Files in Process boxes are emptied";
    }
    // A run an error stopped: the error and then the counts it reached are logged, the
    // label says so, and nothing claims the run completed.
    void expectStopped(const QString& error, const QString& counts)
    {
        const QString log = logText();
        const qsizetype at = log.indexOf("\tRun stopped after an error: " + error + "\r\n");
        EXPECT_GE(at, 0) << log.toStdString();
        EXPECT_GT(log.indexOf("\tReport of Documents stopped - " + counts + "\r\n"), at) << log.toStdString();
        EXPECT_FALSE(log.contains("Completed")) << log.toStdString();
        expectIdle("Report stopped");
    }
};

TEST_F(RunFrameTest, MissingNumbersAreLoggedAndCountedAsFailuresByTheReporter)
{
    open();
    const RunOutcome outcome = report();
    EXPECT_EQ(outcome.mode, RunMode::FullLibrary);
    EXPECT_EQ(outcome.total, 4);
    EXPECT_EQ(outcome.successes, 3);
    EXPECT_EQ(outcome.failures, 1);
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    EXPECT_TRUE(logText().contains("\tDocument 3 is not Available\r\n"));
    EXPECT_TRUE(logText().contains("\tReport of Documents Completed - Successful = 3/ Failed = 1\r\n"));
    EXPECT_EQ(m_view.progress.mid(m_view.progress.size() - 4), (QList<int> {25, 50, 75, 100}));
    EXPECT_EQ(m_view.numbers, (QStringList {"1", "2", "3", "4"}));
    expectIdle();
}

struct ModeCase
{
    const char* name;
    bool useQuery;
    const char* low;
    const char* high;
    RunMode mode;
    const char* logText;
    const char* status;
    qint64 total;
    QList<int> lastProgress;
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class RunModeTest : public RunFrameTest, public testing::WithParamInterface<ModeCase>
{
};

TEST_P(RunModeTest, ChoosesTheDocumentsAndAnnouncesTheMode)
{
    const ModeCase& c = GetParam();
    open();
    const RunOutcome outcome = report(c.useQuery, c.low, c.high);
    EXPECT_EQ(outcome.mode, c.mode);
    EXPECT_EQ(outcome.total, c.total);
    EXPECT_TRUE(logText().contains(QStringLiteral("\t%1\r\n").arg(c.logText))) << logText().toStdString();
    EXPECT_TRUE(m_view.statuses.contains(c.status));
    EXPECT_EQ(m_view.progress.mid(m_view.progress.size() - c.lastProgress.size()), c.lastProgress);
    expectIdle();
}

INSTANTIATE_TEST_SUITE_P(Modes, RunModeTest,
                         testing::Values(
                             // One unit per hit: two versions of document 1, then documents 2 and 4.
                             ModeCase {"QueryResults",
                                       true,
                                       "",
                                       "",
                                       RunMode::QueryResults,
                                       "Reporting Documents - Query Results",
                                       "Report (Query Results) Started",
                                       4,
                                       {25, 50, 75, 100}},
                             ModeCase {"LowBoundOnly",
                                       false,
                                       "2",
                                       "",
                                       RunMode::LimitedFullLibrary,
                                       "Reporting Documents - Limited Full Library",
                                       "Report (Limit Library) Started",
                                       3,
                                       {33, 67, 100}},
                             ModeCase {"HighBoundWithZeros",
                                       false,
                                       "",
                                       "0002",
                                       RunMode::LimitedFullLibrary,
                                       "Reporting Documents - Limited Full Library",
                                       "Report (Limit Library) Started",
                                       2,
                                       {50, 100}},
                             ModeCase {"BadBoundsMeanTheWholeLibrary",
                                       false,
                                       "abc",
                                       "x",
                                       RunMode::FullLibrary,
                                       "Reporting Documents - Full Library",
                                       "Report (Full Library) Started",
                                       4,
                                       {25, 50, 75, 100}}),
                         [](const testing::TestParamInfo<ModeCase>& info) { return info.param.name; });

TEST_F(RunFrameTest, CancelLogsTheCancelAndTheCompletionTextWithEqualCounts)
{
    open();
    m_view.onProgress = [this](int percent) {
        if (percent > 0)
            m_state.CancelRequested = true;
    };
    const RunOutcome outcome = report();
    EXPECT_TRUE(outcome.cancelled);
    const QString log = logText();
    const qsizetype cancel = log.indexOf("\tCancelling Report of Documents - Successful = 1/ Failed = 0\r\n");
    const qsizetype completion = log.indexOf("\tReport of Documents Completed - Successful = 1/ Failed = 0\r\n");
    EXPECT_GE(cancel, 0) << log.toStdString();
    EXPECT_GT(completion, cancel);
    // Every finished line of the cancelled run is on disk: both versions of document 1.
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.mid(lines.size() - 2), (QStringList {"1\t1", "1\t2"}));
    expectIdle();
}

TEST_F(RunFrameTest, ASecondRunAppendsANewHeadOnly)
{
    open();
    report();
    const int firstLength = readLines(reportPath()).size();
    report(false, "4", "4");
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.filter(" Library Report File - Initialised at ").size(), 1);
    EXPECT_EQ(lines.filter("Report on Library LIB1 - Started at ").size(), 2);
    EXPECT_EQ(lines.at(firstLength - 1), "4\t1") << "the first run's last line";
    EXPECT_EQ(lines.at(firstLength), "") << "the second run begins with an empty line";
    EXPECT_EQ(lines.last(), "4\t1");
}

TEST_F(RunFrameTest, NoDocumentsShowsTheMessageAndWritesNothing)
{
    for (const bool useQuery : {false, true}) {
        m_host.messages.clear();
        open("LIB2");
        const RunOutcome outcome = report(useQuery);
        EXPECT_EQ(outcome.total, 0);
        ASSERT_EQ(m_host.messages.size(), 1) << "useQuery " << useQuery;
        EXPECT_EQ(m_host.messages.first().text, "Query found no documents");
        EXPECT_FALSE(QFileInfo::exists(reportPath()));
        EXPECT_FALSE(logText().contains("Report of Documents Completed"));
        expectIdle();
    }
}

TEST_F(RunFrameTest, AVersionThatCannotBeFetchedShowsOnTheStatusBarOnlyAndCountsNothing)
{
    addFault("Item", 1, 2, "Version locked");
    open();
    const RunOutcome outcome = report();
    EXPECT_TRUE(
        m_host.statusLines.contains("Last Operation Error: Cannot Retrieve Document Version 2 (Version locked)"));
    EXPECT_FALSE(logText().contains("Cannot Retrieve"));
    EXPECT_EQ(outcome.successes, 3);
    EXPECT_EQ(outcome.failures, 1);
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.mid(lines.size() - 3), (QStringList {"1\t1", "2\t1", "4\t1"}));
}

TEST_F(RunFrameTest, AReportDirectoryThatVanishesMidRunEndsIdleWithAMessage)
{
    open();
    m_view.onProgress = [this](int percent) {
        if (percent > 0)
            QDir(reportDir()).removeRecursively();
    };
    const RunOutcome outcome = report();
    EXPECT_TRUE(outcome.error.contains("Library.rpt")) << outcome.error.toStdString();
    ASSERT_FALSE(m_host.messages.isEmpty());
    EXPECT_TRUE(m_host.messages.last().text.startsWith("Run stopped after an error: Cannot open the file"));
    // Document 2 counted when it was fetched, before its line found no directory.
    expectStopped(outcome.error, "Successful = 2/ Failed = 0");
}

TEST_F(RunFrameTest, AReportDeletedMidRunGoesOnInANewFileWithTheNewFilesHead)
{
    const QStringList head {"Tarnwick (1.0.0.1) Library Report File - Initialised at 09/12/2026 10:11:12", ""};
    open();
    // Removed between two documents, and in the middle of one (after its first version's line).
    const struct
    {
        std::function<void()> plant;
        QStringList rest;
    } cases[] = {{[this] {
                      m_view.onProgress = [this](int percent) {
                          if (percent > 0 && percent < 50)
                              QFile::remove(reportPath());
                      };
                  },
                  {"2\t1", "4\t1"}},
                 {[this] {
                      m_view.onVersion = [this](const QString& version) {
                          if (version == "2")
                              QFile::remove(reportPath());
                      };
                  },
                  {"1\t2", "2\t1", "4\t1"}}};
    for (const auto& c : cases) {
        m_view.onProgress = nullptr;
        m_view.onVersion = nullptr;
        QFile::remove(reportPath());
        c.plant();
        const RunOutcome outcome = report();
        EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
        EXPECT_EQ(readLines(reportPath()), head + c.rest);
        expectIdle();
    }
}

TEST_F(RunFrameTest, AnUnguardedObjectModelErrorEndsTheRunIdleAndKeepsFinishedLines)
{
    addFault("DocumentVersions", 2, 0, "Versions unreadable");
    open();
    const RunOutcome outcome = report();
    EXPECT_EQ(outcome.error, "Versions unreadable");
    EXPECT_EQ(m_host.messages.last().text, "Run stopped after an error: Versions unreadable");
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.last(), "1\t2");
    // The reporter counts a document when it is fetched.
    expectStopped(outcome.error, "Successful = 2/ Failed = 0");
}

// The subject the frame shows beside the document number is only shown: a document whose
// subject cannot be read is still worked on.
TEST_F(RunFrameTest, AnUnreadableSubjectDoesNotStopTheRun)
{
    addFault("Subject", 2, 0, "Subject unreadable");
    open();
    const RunOutcome outcome = report();
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    EXPECT_TRUE(readLines(reportPath()).contains("2\t1"));
    EXPECT_EQ(outcome.successes, 3) << "the reporter counts documents";
    expectIdle();
}

TEST_F(RunFrameTest, AMalformedQueryEndsTheRunIdle)
{
    open();
    m_expression = "DOCREFERENCE AND (";
    const RunOutcome outcome = report(true);
    EXPECT_FALSE(outcome.error.isEmpty());
    EXPECT_EQ(m_host.messages.size(), 1);
    EXPECT_FALSE(QFileInfo::exists(reportPath()));
    expectStopped(outcome.error, "Successful = 0/ Failed = 0");
}

TEST_F(RunFrameTest, ADocumentRunWithoutCountsGetsItsWorkOncePerDocument)
{
    open();
    tw::RunDefinition d;
    d.modeLogTexts = {"q", "Listing - Limited", "Listing - Full"};
    d.modeStatusTexts = {"q", "l", "f"};
    d.reportName = "Docs.rpt";
    d.initialisedTitle = " Docs Report File - Initialised at ";
    d.runHeadPrefix = "Docs on Library ";
    d.columnHeader = [](const QStringList&) { return QStringLiteral("Doc. Number\tSubject"); };
    d.unit = tw::RunDefinition::Unit::Document;
    d.countedPer = tw::RunDefinition::CountedPer::Nothing;
    d.documentWork = [this](tw::RunReport&) {
        return tw::RunDefinition::Outcome {tw::RunDefinition::Count::Success,
                                           QString::number(m_refs.currentDocument->DocumentNumber()) + "\t"
                                               + m_refs.currentDocument->Subject()};
    };
    d.cancelText = "Cancelling Docs";
    d.completionText = [](bool) { return QStringLiteral("Docs Completed"); };
    d.finalStatus = "Docs Done";
    tw::RunInputs inputs;
    inputs.useQuery = false;
    inputs.reportDirectory = reportDir();
    tw::RunFrame(services()).run(d, inputs);

    EXPECT_EQ(readLines(reportDir() + "Docs.rpt"),
              (QStringList {"Tarnwick (1.0.0.1) Docs Report File - Initialised at 09/12/2026 10:11:12", "", "",
                            "Docs on Library LIB1 - Started at 09/12/2026 10:11:12", "Doc. Number\tSubject",
                            "1\tBudget 2004", "2\treports\\2004\\budget", "4\t???"}));
    EXPECT_TRUE(logText().contains("\tDocs Completed\r\n"));
    EXPECT_EQ(m_view.statuses.last(), "Docs Done");
}

} // namespace
