#include "MaintFixture.h"
#include "core/maint/CheckOutDocs.h"
#include "core/maint/ClearCheckOut.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/demo/Generator.h"
#include "support/GTestQt.h"

#include <QProcess>
#include <QRegularExpression>
#include <memory>

using tw::RunOutcome;

namespace {

const QString kTerms = QStringLiteral(" AND NOT DOCVERSION_CHECKED_OUT AND NOT DOCVERSION_IN_USE AND NOT "
                                      "DOCVERSION_CONNECTED_READ_WRITE AND NOT DOCVERSION_ARCHIVED");

class CheckOutTest : public tw::test::MaintFixture
{
protected:
    RunOutcome checkOut(bool useQuery = false) { return tw::CheckOutDocs(services()).BCheckOutClick(inputs(useQuery)); }
    QString reportPath() const { return reportDir() + QStringLiteral("Checkout.rpt"); }
    QDateTime modified(const QString& name) const { return QFileInfo(checkOutDir() + name).lastModified(); }
};

TEST_F(CheckOutTest, EveryVersionBecomesNumberVersionTypeDatedAndReported)
{
    open();
    m_state.QueryString = "DOCREFERENCE";
    const RunOutcome outcome = checkOut();
    EXPECT_EQ(outcome.successes, 4);
    EXPECT_EQ(outcome.failures, 0);
    EXPECT_EQ(readFile(checkOutDir() + "1_1.txt"), "alpha");
    EXPECT_EQ(readFile(checkOutDir() + "1_2.txt"), "beta!");
    EXPECT_EQ(readFile(checkOutDir() + "2_1.doc"), "word file");
    EXPECT_EQ(readFile(checkOutDir() + "4_1.xls"), "sheet");
    // The creation date, or the later retrieval date, in two-second steps.
    EXPECT_EQ(modified("1_1.txt"), QDateTime(QDate(2025, 3, 4), QTime(9, 30, 0)));
    EXPECT_EQ(modified("1_2.txt"), QDateTime(QDate(2026, 1, 2), QTime(14, 15, 16)));
    EXPECT_EQ(modified("4_1.xls"), QDateTime(QDate(2025, 3, 7), QTime(12, 0, 2)));

    const QString dir = checkOutDir();
    EXPECT_EQ(readLines(reportPath()),
              (QStringList {"Tarnwick (1.0.0.1) Check Out Report File - Initialised at 09/12/2026 10:11:12", "", "",
                            "Check Out Report on Library LIB1 - Started at 09/12/2026 10:11:12",
                            "Check Out Query on Library DOCREFERENCE" + kTerms, "",
                            "Check Out Status\tChecked Out File\tDoc. Number\tDoc. Version",
                            "Success\t" + dir + "1_1.txt\t1\t1", "Success\t" + dir + "1_2.txt\t1\t2",
                            "Success\t" + dir + "2_1.doc\t2\t1", "Success\t" + dir + "4_1.xls\t4\t1"}));
    for (const QString& line :
         QStringList {"Starting Document Check Out - DOCREFERENCE" + kTerms,
                      QStringLiteral("Checking Out Documents - Full Library"),
                      "Successfully Checked Out Document 1 Version 2 as " + dir + "1_2.txt",
                      QStringLiteral("Document 3 is not Available"),
                      QStringLiteral("Check Out of Documents Completed - Successful = 4/ Failed = 0"),
                      QStringLiteral("Completed Document Check Out")})
        EXPECT_TRUE(logHas(line)) << line.toStdString();
    EXPECT_EQ(m_state.QueryString, "DOCREFERENCE") << "the terms come off again";
    EXPECT_TRUE(version(1, 2)->CheckedOut());
    EXPECT_EQ(m_view.statuses.last(), "Check Out Completed");
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(CheckOutTest, AFileAlreadyThereIsNeverReplaced)
{
    // Unreturned edits from an earlier check-out.
    writeFile(checkOutDir() + "2_1.doc", "my edits");
    open();
    const RunOutcome outcome = checkOut();
    EXPECT_EQ(outcome.successes, 3);
    EXPECT_EQ(outcome.failures, 1);
    EXPECT_EQ(readFile(checkOutDir() + "2_1.doc"), "my edits");
    EXPECT_FALSE(version(2, 1)->CheckedOut());
    EXPECT_TRUE(readLines(reportPath()).contains("Failure\t" + checkOutDir() + "2_1.doc\t2\t1"));
    EXPECT_TRUE(logHas("Failed to Checkout Document 2 Version 1 as " + checkOutDir() + "2_1.doc"));
}

TEST_F(CheckOutTest, AVersionTheStoreRefusesIsAFailureAndTheRunGoesOn)
{
    addFault("CheckOut", 4, 1, "disk full");
    open();
    const RunOutcome outcome = checkOut();
    EXPECT_EQ(outcome.successes, 3);
    EXPECT_EQ(outcome.failures, 1);
    EXPECT_FALSE(QFileInfo::exists(checkOutDir() + "4_1.xls"));
    EXPECT_EQ(readLines(reportPath()).last(), "Failure\t" + checkOutDir() + "4_1.xls\t4\t1");
}

TEST_F(CheckOutTest, ADirectoryRemovedSinceItWasChosenGivesItsFieldsMessage)
{
    open();
    m_checkOutDir.remove();
    const RunOutcome outcome = checkOut();
    EXPECT_EQ(outcome.successes + outcome.failures, 0);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "Selected Check Out Directory does not exist");
    EXPECT_FALSE(QFileInfo::exists(reportPath()));
    EXPECT_FALSE(version(1, 1)->CheckedOut());
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(CheckOutTest, AQueryCheckOutLeavesOutHeldVersionsAndPutsTheExpressionBack)
{
    holdBy(1, 1, "ANN");
    store::VersionState archived;
    archived.archived = true;
    setState(4, 1, archived);
    open();
    m_state.QueryString = "as assembled before";
    const RunOutcome outcome = checkOut(true);
    EXPECT_EQ(outcome.mode, tw::RunMode::QueryResults);
    EXPECT_EQ(outcome.successes, 2);
    EXPECT_TRUE(QFileInfo::exists(checkOutDir() + "1_2.txt"));
    EXPECT_TRUE(QFileInfo::exists(checkOutDir() + "2_1.doc"));
    EXPECT_FALSE(QFileInfo::exists(checkOutDir() + "1_1.txt"));
    EXPECT_FALSE(QFileInfo::exists(checkOutDir() + "4_1.xls"));
    EXPECT_TRUE(readLines(reportPath())
                    .contains("Check Out Query on Library (DOCREFERENCE" + kTerms + ") AND (SEARCH_AS_LIBRARIAN)"));
    EXPECT_EQ(m_state.QueryString, "as assembled before");
}

class ClearCheckOutTest : public tw::test::MaintFixture
{
protected:
    QString reportPath() const { return reportDir() + QStringLiteral("ClearChk.rpt"); }
};

TEST_F(ClearCheckOutTest, OnlyTheUsersOwnCheckOutsAreCheckedBackIn)
{
    open();
    // 1.1 checked out to a file ANN then edited; 4.1 ANN's without a file; 1.2 BOB's; 2.1 free.
    const QString staged = checkOutDir() + "1_1.txt";
    version(1, 1)->CheckOut(staged);
    writeFile(staged, "edited alpha");
    holdBy(4, 1, "ANN");
    holdBy(1, 2, "BOB");
    m_host.yesNoAnswers.enqueue(true);
    const auto outcome = tw::ClearCheckOut(services()).BCOClearClick(inputs());
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->successes, 2);
    EXPECT_EQ(outcome->failures, 0);
    EXPECT_EQ(m_host.questions, QStringList {"Absolutely Sure About This ?"});
    const QString dir = checkOutDir();
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.mid(lines.size() - 5),
              (QStringList {"Old Check Out Status\tOld Checked Out File\tDoc. Number\tDoc. Version",
                            "Success\t" + staged + "\t1\t1", "Not Valid User\t" + dir + "1_2.txt\t1\t2",
                            "Not Checked Out\t" + dir + "2_1.doc\t2\t1", "Success\t\t4\t1"}));
    EXPECT_FALSE(version(1, 1)->CheckedOut());
    EXPECT_EQ(content(1, 1), "edited alpha");
    EXPECT_TRUE(version(1, 2)->CheckedOut()) << "another user's check-out stays";
    EXPECT_FALSE(version(4, 1)->CheckedOut());
    for (const char* line :
         {"Starting Clear Check Out", "Clearing Check Out Flags - Full Library",
          "Successfully Cleared Check Out for Document 4 Version 1",
          "Clear Check Out Flags Completed - Successful = 2/ Failed = 0", "Completed Clear Check Out"})
        EXPECT_TRUE(logHas(line)) << line;
    EXPECT_EQ(m_view.statuses.last(), "Clear Check Out Flags Completed");
}

// The store tool setting a flag again and again, each time a new process, while the run clears
// a library of check-outs: every tool command and every unit of the run waits for the other's
// write instead of failing with a locked store.
TEST_F(ClearCheckOutTest, TheStoreToolSettingFlagsMeanwhileWaitsForTheRunAndTheRunForIt)
{
    constexpr int kDocuments = 3000;
    store::Generator::generate(m_fixture.store(), "LIB1", kDocuments, 1);
    {
        QSqlDatabase db = m_fixture.store().database();
        store::Sql::run(db,
                        "UPDATE versions SET checked_out = 1, staged_file = '', retriever_id = (SELECT id FROM "
                        "users WHERE user_id = 'ANN')");
    }
    open();
    std::unique_ptr<QProcess> tool;
    QStringList failures;
    int commands = 0;
    const auto finished = [&] {
        if (tool->exitCode() != 0)
            failures << QString::fromLocal8Bit(tool->readAllStandardError());
        tool.reset();
    };
    m_host.onPump = [&] {
        if (tool && (tool->waitForFinished(0) || tool->state() == QProcess::NotRunning))
            finished();
        if (tool)
            return;
        tool = std::make_unique<QProcess>();
        tool->start(TOOL_PATH,
                    {"--store", m_fixture.path(), "flag", "LIB1", "2", "1", "inuse", commands++ % 2 ? "on" : "off"});
    };
    m_host.yesNoAnswers.enqueue(true);
    const auto outcome = tw::ClearCheckOut(services()).BCOClearClick(inputs());
    m_host.onPump = nullptr;
    if (tool) {
        tool->waitForFinished(30000);
        finished();
    }
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->failures, 0);
    EXPECT_EQ(outcome->successes, kDocuments + 4);
    // A command may wait long behind the run's back-to-back commits: two are enough.
    EXPECT_GE(commands, 2) << "commands run while the run cleared";
    EXPECT_EQ(failures, QStringList());
}

TEST_F(ClearCheckOutTest, NoRunsNothingButLogsTheStartAndTheEnd)
{
    holdBy(4, 1, "ANN");
    open();
    m_host.yesNoAnswers.enqueue(false);
    EXPECT_FALSE(tw::ClearCheckOut(services()).BCOClearClick(inputs()));
    EXPECT_FALSE(QFileInfo::exists(reportPath()));
    EXPECT_TRUE(version(4, 1)->CheckedOut());
    EXPECT_TRUE(logHas("Starting Clear Check Out"));
    EXPECT_TRUE(logHas("Completed Clear Check Out"));
}

TEST_F(ClearCheckOutTest, ACheckInThatFailsIsAFailureOfThatVersion)
{
    holdBy(4, 1, "ANN");
    addFault("CheckIn", 4, 1, "store offline");
    open();
    m_host.yesNoAnswers.enqueue(true);
    const auto outcome = tw::ClearCheckOut(services()).BCOClearClick(inputs());
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->failures, 1);
    EXPECT_EQ(readLines(reportPath()).last(), "Failure\t\t4\t1");
    EXPECT_TRUE(logHas("Failed to Clear Check Out Flag for Document 4 Version 1"));
    EXPECT_TRUE(version(4, 1)->CheckedOut());
}

// A store that refuses changes is told as such after each unit it fails, and the run ends saying
// it could not do its work; nothing is checked out or cleared.
struct RefusedCase
{
    const char* label;
    bool clearFlags; // else a check-out of the full library
    tw::test::Refusal refusal;
    int failures;
    const char* unitLine; // the failure line of document 4's version, before the store's state
    const char* notDone;
};

void PrintTo(const RefusedCase& c, std::ostream* os)
{
    *os << c.label;
}

class RefusedRunTest : public tw::test::MaintFixture, public testing::WithParamInterface<RefusedCase>
{
};

TEST_P(RefusedRunTest, EachUnitTellsTheStoresStateAndTheRunSaysNothingWasDone)
{
    const RefusedCase& c = GetParam();
    holdBy(4, 1, "ANN");
    refuseChanges(c.refusal);
    if (IsSkipped())
        return;
    open();
    m_host.yesNoAnswers.enqueue(true);
    const RunOutcome outcome = c.clearFlags ? *tw::ClearCheckOut(services()).BCOClearClick(inputs())
                                            : tw::CheckOutDocs(services()).BCheckOutClick(inputs());
    EXPECT_EQ(outcome.successes, 0);
    EXPECT_EQ(outcome.failures, c.failures);
    const QString state = QStringLiteral("The library store is ")
        + (c.refusal == tw::test::Refusal::Locked ? "locked by another program (" : "read-only (");
    QStringList lines;
    for (const QString& line : logText().split("\r\n"))
        lines.append(line.section('\t', 1));
    const int unit = int(lines.indexOf(QString(c.unitLine).replace("${DIR}", checkOutDir())));
    ASSERT_GE(unit, 0) << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.value(unit + 1).startsWith(state)) << lines.value(unit + 1).toStdString();
    EXPECT_EQ(lines
                  .filter(QRegularExpression("^" + QRegularExpression::escape(c.notDone) + ": "
                                             + QRegularExpression::escape(state)))
                  .size(),
              1);
    EXPECT_EQ(m_view.statuses.last(), c.notDone);
    EXPECT_TRUE(version(4, 1)->CheckedOut());
    EXPECT_FALSE(QFileInfo::exists(checkOutDir() + "1_1.txt"));
}

INSTANTIATE_TEST_SUITE_P(Stores, RefusedRunTest,
                         testing::Values(RefusedCase {"ClearFlagsReadOnly", true, tw::test::Refusal::ReadOnly, 1,
                                                      "Failed to Clear Check Out Flag for Document 4 Version 1",
                                                      "Clear Check Out Flags Not Done"},
                                         RefusedCase {"ClearFlagsLocked", true, tw::test::Refusal::Locked, 1,
                                                      "Failed to Clear Check Out Flag for Document 4 Version 1",
                                                      "Clear Check Out Flags Not Done"},
                                         RefusedCase {"CheckOutReadOnly", false, tw::test::Refusal::ReadOnly, 4,
                                                      "Failed to Checkout Document 2 Version 1 as ${DIR}2_1.doc",
                                                      "Check Out Not Done"}),
                         [](const testing::TestParamInfo<RefusedCase>& info) { return std::string(info.param.label); });

} // namespace
