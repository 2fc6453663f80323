#include "core/app/OperationLog.h"

#include "core/app/DateTimeText.h"
#include "core/app/IoError.h"
#include "support/GTestQt.h"
#include "support/ScriptedHost.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tw::DateTimeText;
using tw::OperationLog;
using tw::test::ScriptedHost;

namespace {

class OperationLogTest : public testing::Test
{
protected:
    void SetUp() override
    {
        DateTimeText::setLocaleForTesting(QLocale::c());
        m_log.setClockForTesting([this] { return m_now; });
    }
    void TearDown() override { DateTimeText::resetLocale(); }

    QByteArray fileFor(const QDate& day) const
    {
        QFile file(m_log.fileNameFor(day));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir m_dir;
    ScriptedHost m_host;
    OperationLog m_log {m_dir.path(), "Tarnwick (1.0.0.1)", &m_host};
    QDateTime m_now {QDate(2026, 12, 9), QTime(10, 11, 12)};
};

TEST_F(OperationLogTest, FirstMessageOfTheDayWritesTheHeader)
{
    m_log.ErrorCheck("Starting Tarnwick (1.0.0.1) Program", false, true);
    m_now = m_now.addSecs(1);
    m_log.ErrorCheck("", false, true);
    EXPECT_EQ(QFileInfo(m_log.fileNameFor(m_now.date())).fileName(), "20261209.log");
    EXPECT_EQ(fileFor(m_now.date()),
              "Tarnwick (1.0.0.1) Log File - Initialised at 09/12/2026 10:11:12\r\n"
              "\r\n"
              "09/12/2026 10:11:12\tStarting Tarnwick (1.0.0.1) Program\r\n"
              "09/12/2026 10:11:13\t\r\n");
}

TEST_F(OperationLogTest, ShowWithoutWriteLeavesNoFile)
{
    m_log.ErrorCheck("Checking Library - Main", true, false);
    EXPECT_EQ(m_host.lastStatus(), "Last Operation Checking Library - Main");
    EXPECT_FALSE(QFile::exists(m_log.fileNameFor(m_now.date())));
}

TEST_F(OperationLogTest, EveryCallPumpsEventsWhateverTheFlags)
{
    m_log.ErrorCheck("a", false, false);
    m_log.ErrorCheck("b", true, false);
    m_log.ErrorCheck("c", false, true);
    EXPECT_EQ(m_host.pumps, 3);
    EXPECT_EQ(m_host.statusLines, QStringList {"Last Operation b"});
}

// The message is one column after the stamp, on one line: a TAB, CR or LF in a value it names
// (a subject, a file name) is written as a blank.
TEST_F(OperationLogTest, TabsAndLineBreaksInAMessageAreWrittenAsBlanks)
{
    m_log.ErrorCheck("one\ttwo\r\nthree\n", false, true);
    EXPECT_TRUE(fileFor(m_now.date()).endsWith("09/12/2026 10:11:12\tone two  three \r\n"));
}

TEST_F(OperationLogTest, MessagesAfterMidnightGoToTheNextDaysFile)
{
    m_now = QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59));
    m_log.ErrorCheck("late", false, true);
    m_now = QDateTime(QDate(2026, 12, 10), QTime(0, 0));
    m_log.ErrorCheck("early", false, true);
    EXPECT_TRUE(fileFor(QDate(2026, 12, 9)).endsWith("09/12/2026 23:59:59\tlate\r\n"));
    EXPECT_EQ(fileFor(QDate(2026, 12, 10)),
              "Tarnwick (1.0.0.1) Log File - Initialised at 10/12/2026\r\n\r\n10/12/2026\tearly\r\n");
}

TEST_F(OperationLogTest, LibraryLineFirstWritesItsOwnHeaderAndNoSecond)
{
    m_log.LibraryLog("not in debug mode");
    EXPECT_FALSE(QFile::exists(m_log.fileNameFor(m_now.date())));
    m_log.setDebugMode(true);
    m_log.LibraryLog("Admin API Initialisation Started");
    m_log.ErrorCheck("Default Document Library - Main (DOM.PO.MAIN)", true, true);
    EXPECT_EQ(fileFor(m_now.date()),
              "VUZADO Logging - Initialised at 09/12/2026 10:11:12\r\n"
              "\r\n"
              "09/12/2026 10:11:12\tVUZADO: Admin API Initialisation Started\r\n"
              "09/12/2026 10:11:12\tDefault Document Library - Main (DOM.PO.MAIN)\r\n");
    EXPECT_EQ(m_host.pumps, 1) << "the library's writer does not pump events";
}

TEST_F(OperationLogTest, UnwritableDirectoryRaisesAnIoError)
{
    OperationLog log(m_dir.filePath("missing/sub"), "Tarnwick (1.0.0.1)", &m_host);
    try {
        log.ErrorCheck("x", false, true);
        FAIL() << "no error";
    } catch (const tw::IoError& error) {
        EXPECT_TRUE(error.message().contains("missing/sub")) << error.message().toStdString();
    }
}

TEST_F(OperationLogTest, NetWareErrorBoxShowsTheCodeInHexadecimal)
{
    m_log.NetWareErrorBox(0, "NWScanForDeletedFiles");
    EXPECT_TRUE(m_host.messages.isEmpty());
    m_log.NetWareErrorBox(0x8998, "NWAllocTemporaryDirectoryHandle");
    m_log.NetWareErrorBox(0xA, "NWParseNetWarePath");
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[0].text, "Error 8998: NWAllocTemporaryDirectoryHandle");
    EXPECT_EQ(m_host.messages[1].text, "Error 000A: NWParseNetWarePath");
    EXPECT_FALSE(QFile::exists(m_log.fileNameFor(m_now.date())));
}

} // namespace
