#include "core/reports/ExportDocs.h"

#include "RunFixture.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class ExportDocsTest : public tw::test::RunFixture
{
protected:
    tw::RunOutcome exportAll(const QStringList& folderFields, const QStringList& extraFields)
    {
        tw::ExportInputs inputs;
        inputs.run.useQuery = false;
        inputs.run.reportDirectory = top();
        inputs.run.extraFields = extraFields;
        inputs.folderFields = folderFields;
        inputs.programDirectory = m_programDir.path() + "/";
        inputs.useExportList = m_useList;
        inputs.options.ShortFilename = m_useList;
        return tw::ExportDocs(services()).run(inputs);
    }
    QString top() { return m_top.path() + "/"; }
    QByteArray contentOf(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QTemporaryDir m_top;
    QTemporaryDir m_programDir;
    bool m_useList = false;
};

struct ExportedFile
{
    const char* path; // below the top output directory
    QByteArray content;
    QDateTime modified;
};

TEST_F(ExportDocsTest, ExportsEveryVersionIntoTheFieldTreeWithItsBytesAndDate)
{
    open();
    m_state.QueryString = "(DOCREFERENCE)";
    const tw::RunOutcome outcome = exportAll({"Author", "Client"}, {"Subject"});
    EXPECT_EQ(readLines(top() + "Export.rpt"), expectedLines("Export_tree.rpt", top()));

    // Each file is dated from its creation, or its retrieval when later, in two-second steps.
    const ExportedFile files[] = {
        {"Ann Archer/Acme/Budget 2004_N1_V1.txt", "alpha", QDateTime(QDate(2025, 3, 4), QTime(9, 30, 0))},
        {"Ann Archer/Acme/Budget 2004_N1_V2.txt", "beta!", QDateTime(QDate(2026, 1, 2), QTime(14, 15, 16))},
        {"Bob Baker/Client/budget_N2_V1.doc", "word file", QDateTime(QDate(2025, 3, 6), QTime(8, 0, 0))},
        {"Carol Cook/Unknown Subject_N4_V1.xls", "sheet", QDateTime(QDate(2025, 3, 7), QTime(12, 0, 2))},
    };
    for (const ExportedFile& f : files) {
        const QString path = top() + f.path;
        EXPECT_EQ(contentOf(path), f.content) << f.path;
        EXPECT_EQ(QFileInfo(path).lastModified(), f.modified) << f.path;
    }
    // The ".." client of document 4 adds no level: nothing lands beside or above the top directory.
    EXPECT_EQ(QDir(m_top.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList {"Ann Archer", "Bob Baker", "Carol Cook", "Export.rpt"}));
    EXPECT_EQ(QDir(top() + "Carol Cook").entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              (QStringList {"Unknown Subject_N4_V1.xls"}));

    EXPECT_EQ(outcome.successes, 4);
    EXPECT_EQ(outcome.failures, 0) << "an unavailable number counts in neither";
    const QString log = logText();
    EXPECT_TRUE(log.contains("\tDocument 3 is not Available\r\n"));
    EXPECT_TRUE(log.contains("\tExporting Documents - Full Library\r\n"));
    EXPECT_TRUE(log.contains("\tSuccessfully Exported Document 2 Version 1 as " + top()
                             + "Bob Baker/Client/budget_N2_V1.doc\r\n"));
    EXPECT_EQ(m_view.statuses.last(), "Export Completed");
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(ExportDocsTest, ExportLstIsWalkedInTextOrderOnceEachWithBadLinesAsFailures)
{
    open();
    QFile list(m_programDir.path() + "/Export.lst");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("4\r\nabc\r\n2\r\n4\r\n3\r\n");
    list.close();
    m_useList = true;
    const tw::RunOutcome outcome = exportAll({}, {});
    EXPECT_EQ(outcome.mode, tw::RunMode::ListFile);
    EXPECT_EQ(readLines(top() + "Export.rpt"), expectedLines("Export_list.rpt", top()));
    EXPECT_EQ(m_view.numbers, (QStringList {"2", "3", "4", "abc"}));
    const QString log = logText();
    EXPECT_TRUE(log.contains("\tSearching for Export.Lst File\r\n"));
    EXPECT_TRUE(log.contains("\tExporting Documents - Export.Lst Text File\r\n"));
    EXPECT_TRUE(log.contains("\tExport.lst error: abc is not a number ('abc' is not a valid integer value)\r\n"));
    EXPECT_TRUE(log.contains("\tExport.lst error: 3 is not a number (")) << log.toStdString();
    EXPECT_EQ(contentOf(top() + "2_1.doc"), "word file");
}

// A line too long to read is one more line the run could not use: logged and counted so.
TEST_F(ExportDocsTest, ATooLongExportLstLineIsLoggedAndCountedAsAFailure)
{
    open();
    QFile list(m_programDir.path() + "/Export.lst");
    ASSERT_TRUE(list.open(QIODevice::WriteOnly));
    list.write("2\r\n" + QByteArray(5000, '3') + "\r\n");
    list.close();
    m_useList = true;
    const tw::RunOutcome outcome = exportAll({}, {});
    EXPECT_EQ(outcome.failures, 1);
    EXPECT_TRUE(logText().contains("\tExport.lst error: <line 2: more than 4096 characters> is not a number ("))
        << logText().toStdString();
    EXPECT_EQ(contentOf(top() + "2_1.doc"), "word file");
}

TEST_F(ExportDocsTest, AMissingExportLstFindsNoDocuments)
{
    open();
    m_useList = true;
    exportAll({}, {});
    EXPECT_TRUE(logText().contains("\tExport.Lst File Not Found\r\n"));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages.first().text, "Query found no documents");
    EXPECT_FALSE(QFileInfo::exists(top() + "Export.rpt"));
}

TEST_F(ExportDocsTest, AVersionWhoseCopyFailsIsReportedAsAFailure)
{
    addFault("Copyout", 2, 1, "Disk full");
    open();
    m_state.QueryString = "(DOCREFERENCE)";
    const tw::RunOutcome outcome = exportAll({}, {});
    const QString path = top() + "budget_N2_V1.doc";
    EXPECT_EQ(outcome.successes, 3);
    EXPECT_EQ(outcome.failures, 1);
    const QStringList lines = readLines(top() + "Export.rpt");
    EXPECT_TRUE(lines.contains("Failure\t" + path + "\t2\t1"));
    EXPECT_EQ(lines.last(), "Export of Documents Completed - Successful = 3/ Failed = 1");
    EXPECT_TRUE(logText().contains("\tFailed to Export Document 2 Version 1 as " + path + "\r\n"));
    EXPECT_FALSE(QFileInfo::exists(path));
}

TEST_F(ExportDocsTest, ACancelledExportClosesTheReportWithCancelled)
{
    open();
    m_view.onProgress = [this](int percent) {
        if (percent > 0)
            m_state.CancelRequested = true;
    };
    const tw::RunOutcome outcome = exportAll({}, {});
    EXPECT_TRUE(outcome.cancelled);
    EXPECT_EQ(readLines(top() + "Export.rpt").last(), "Export of Documents Cancelled - Successful = 2/ Failed = 0");
    const QString log = logText();
    EXPECT_LT(log.indexOf("\tCancelling Export of Documents - Successful = 2/ Failed = 0\r\n"),
              log.indexOf("\tExport of Documents Cancelled - Successful = 2/ Failed = 0\r\n"));
}

} // namespace
