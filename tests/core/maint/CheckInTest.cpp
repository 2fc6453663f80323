#include "MaintFixture.h"
#include "core/maint/CheckInDocs.h"
#include "core/maint/CheckInName.h"
#include "support/GTestQt.h"

#include <fcntl.h>
#include <unistd.h>

namespace {

using tw::test::Refusal;

struct NameCase
{
    const char* name;
    bool valid;
    const char* number;
    const char* version;
    const char* extension;
};

void PrintTo(const NameCase& c, std::ostream* os)
{
    *os << c.name;
}

class CheckInNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(CheckInNameTest, ReadsTheNumbersAsTheCheckOutWroteThem)
{
    const NameCase& c = GetParam();
    const tw::CheckInName parsed = tw::CheckInName::parse(c.name);
    EXPECT_EQ(parsed.valid, c.valid);
    EXPECT_EQ(parsed.numberText, c.number);
    EXPECT_EQ(parsed.versionText, c.version);
    EXPECT_EQ(parsed.extension, c.extension);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CheckInNameTest,
    testing::Values(NameCase {"1234_2.doc", true, "1234", "2", "doc"},
                    NameCase {"1234_2_edited.doc", true, "1234", "2", "doc"},
                    NameCase {"0012_1.doc", true, "0012", "1", "doc"}, NameCase {"12_3", false, "12", "", ""},
                    NameCase {"12_3.t\tx", false, "12", "3", "t\tx"}, NameCase {"12_3.tar.gz", true, "12", "3", "gz"},
                    NameCase {"notes.txt", false, "", "", "txt"}, NameCase {"12_x.doc", false, "12", "x", "doc"},
                    NameCase {"99999999999999999999_1.doc", false, "99999999999999999999", "1", "doc"},
                    NameCase {"12_1 final.doc", false, "12", "1 final", "doc"},
                    NameCase {"_1.doc", false, "", "1", "doc"}),
    [](const testing::TestParamInfo<NameCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.name))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

// A check-in directory holding files for versions that ANN has checked out:
// 1.1 (txt), 1.2 (txt) and 2.1 (doc); 4.1 (xls) is not checked out. Fault rules
// are added before the session opens, which reads them.
class CheckInTest : public tw::test::MaintFixture
{
protected:
    void prepare()
    {
        open();
        for (const auto& [number, v] : {std::pair {1, 1}, std::pair {1, 2}, std::pair {2, 1}})
            version(number, v)->CheckOut(m_scratch.filePath(QStringLiteral("held-%1-%2").arg(number).arg(v)));
    }
    QString inDir() const { return m_inDir.path() + QLatin1Char('/'); }
    void run()
    {
        tw::CheckInDocs checkIn(services());
        checkIn.setPauseForTesting(0);
        checkIn.BCheckInClick(inDir());
    }
    bool statusShows(const QString& text) const
    {
        return m_host.statusLines.contains(QStringLiteral("Last Operation ") + text);
    }

    QTemporaryDir m_inDir;
};

struct EntryCase
{
    const char* file;
    QStringList logged; // in the daily log (and on the status bar)
    const char* statusOnly; // on the status bar, never in the log
    bool checkedIn; // the file's content is now the version's and the file is gone
    qint64 number;
    int version;
    const char* typeAfter;
};

void PrintTo(const EntryCase& c, std::ostream* os)
{
    *os << c.file;
}

class CheckInEntryTest : public CheckInTest, public testing::WithParamInterface<EntryCase>
{
};

TEST_P(CheckInEntryTest, ChecksInWhatItNamesAndLeavesTheRest)
{
    const EntryCase& c = GetParam();
    prepare();
    writeFile(inDir() + c.file, "edited content");
    run();
    for (const QString& line : c.logged) {
        EXPECT_TRUE(logHas(line)) << line.toStdString();
        EXPECT_TRUE(statusShows(line)) << line.toStdString();
    }
    if (*c.statusOnly) {
        EXPECT_TRUE(statusShows(c.statusOnly)) << c.statusOnly;
        EXPECT_FALSE(logText().contains(c.statusOnly)) << "status bar only";
    }
    EXPECT_EQ(QFileInfo::exists(inDir() + c.file), !c.checkedIn);
    if (c.number > 0) {
        EXPECT_EQ(version(c.number, c.version)->CheckedOut(), !c.checkedIn && c.number != 4);
        EXPECT_EQ(version(c.number, c.version)->OriginalFileType(), c.typeAfter);
        if (c.checkedIn) {
            EXPECT_EQ(content(c.number, c.version), "edited content");
        }
    }
    EXPECT_EQ(m_view.statuses.last(), "Check In Completed");
    EXPECT_TRUE(m_state.OperationIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, CheckInEntryTest,
    testing::Values(
        EntryCase {"1_1.txt",
                   {"Starting Check In Process for File 1_1.txt as Document 1 Version 1",
                    "SUCCESS - Successfully Checked In Document 1 Version 1"},
                   "",
                   true,
                   1,
                   1,
                   "txt"},
        EntryCase {"1_2.doc",
                   {"Altered Document Version Extension from txt to doc",
                    "SUCCESS - Successfully Checked In Document 1 Version 2"},
                   "",
                   true,
                   1,
                   2,
                   "doc"},
        EntryCase {
            "0001_2_edited.TXT", {"SUCCESS - Successfully Checked In Document 0001 Version 2"}, "", true, 1, 2, "txt"},
        EntryCase {"2_1", {}, "FAIL - Invalid File Name Format Found 2_1", false, 2, 1, "doc"},
        EntryCase {"notes.txt", {}, "FAIL - Invalid File Name Format Found notes.txt", false, 0, 0, ""},
        EntryCase {"12_x.doc", {}, "FAIL - Invalid File Name Format Found 12_x.doc", false, 0, 0, ""},
        EntryCase {"99999999999999999999_1.doc",
                   {},
                   "FAIL - Invalid File Name Format Found 99999999999999999999_1.doc",
                   false,
                   0,
                   0,
                   ""},
        EntryCase {"1_1 final.txt", {}, "FAIL - Invalid File Name Format Found 1_1 final.txt", false, 0, 0, ""},
        EntryCase {"1234_2.doc", {}, "FAIL - Invalid Document Found 1234_2.doc", false, 0, 0, ""},
        EntryCase {"4_3.xls", {"FAIL - Document Number 4 Version 3 not found"}, "", false, 0, 0, ""},
        EntryCase {"4_1.xls", {"FAIL - Document Number 4 Version 1 not Checked Out"}, "", false, 4, 1, "xls"}),
    [](const testing::TestParamInfo<EntryCase>& info) {
        std::string name;
        for (const char c : std::string(info.param.file))
            name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    });

TEST_F(CheckInTest, CountsFilesAndWalksEveryEntry)
{
    prepare();
    writeFile(inDir() + "1_1.txt", "one");
    writeFile(inDir() + "notes.txt", "not mine");
    ASSERT_TRUE(QDir().mkdir(inDir() + "2_1.doc")); // a folder named like a file is passed over
    run();
    for (const QString& line :
         QStringList {"Starting Document Check In from " + inDir(), "Counting Files In Directory " + inDir(),
                      "Directory " + inDir() + "contains 2 files ", QStringLiteral("Checking In Documents"),
                      QStringLiteral("Completed Document Check In")})
        EXPECT_TRUE(logHas(line)) << line.toStdString();
    EXPECT_TRUE(version(2, 1)->CheckedOut());
    EXPECT_TRUE(QFileInfo(inDir() + "2_1.doc").isDir());
    EXPECT_EQ(m_view.progress.last(), 100) << "the folder is an entry too; the bar stops at its end";
    EXPECT_EQ(m_view.clears, 4) << "the boxes emptied before each entry and at the end";
}

TEST_F(CheckInTest, ADirectoryWithoutFilesSaysSo)
{
    prepare();
    ASSERT_TRUE(QDir().mkdir(inDir() + "1_1.txt"));
    run();
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "No Files in Directory");
    EXPECT_TRUE(logHas("Directory " + inDir() + "contains no files "));
    EXPECT_EQ(m_view.statuses.last(), "Check In Completed");
}

TEST_F(CheckInTest, ADirectoryRemovedSinceItWasChosenGivesItsFieldsMessage)
{
    prepare();
    const QString gone = inDir();
    m_inDir.remove();
    tw::CheckInDocs checkIn(services());
    checkIn.BCheckInClick(gone);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "Selected Check In Directory does not exist");
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(CheckInTest, AFailedCheckInLeavesTheFileAndTheVersionAsTheyWere)
{
    // Through a fault rule, and for a version another user holds; both with a new extension.
    addFault("CheckIn", 1, 1, "store offline");
    prepare();
    holdBy(1, 2, "BOB");
    writeFile(inDir() + "1_1.doc", "edited");
    writeFile(inDir() + "1_2.doc", "edited");
    run();
    for (const char* file : {"1_1.doc", "1_2.doc"}) {
        EXPECT_TRUE(QFileInfo::exists(inDir() + file)) << file;
        EXPECT_TRUE(statusShows(QStringLiteral("FAIL - Invalid Document Found ") + file)) << file;
    }
    EXPECT_EQ(content(1, 1), "alpha");
    EXPECT_EQ(version(1, 1)->OriginalFileType(), "txt") << "the type goes back";
    EXPECT_EQ(version(1, 2)->OriginalFileType(), "txt");
    EXPECT_TRUE(version(1, 2)->CheckedOut());
}

// A run stopped after a check-in and before it deleted the file leaves the file of a version that
// is no longer checked out. Run again, the check-in deletes it, as the version holds exactly that
// file; a file that differs from its version's content stays.
TEST_F(CheckInTest, AFileItsVersionHoldsAlreadyIsDeletedAndOneThatDiffersIsKept)
{
    prepare();
    writeFile(inDir() + "1_1.txt", "checked in before");
    version(1, 1)->CheckIn(inDir() + "1_1.txt", 0);
    writeFile(inDir() + "4_1.xls", "not the version's content");
    run();
    EXPECT_FALSE(QFileInfo::exists(inDir() + "1_1.txt"));
    EXPECT_TRUE(logHas("SUCCESS - Document Number 1 Version 1 already Checked In"));
    EXPECT_EQ(content(1, 1), "checked in before");
    EXPECT_TRUE(QFileInfo::exists(inDir() + "4_1.xls"));
    EXPECT_TRUE(logHas("FAIL - Document Number 4 Version 1 not Checked Out"));
    EXPECT_FALSE(version(4, 1)->CheckedOut());
}

TEST_F(CheckInTest, ALinkIsNeverCheckedInAndIsLeftAlone)
{
    // Anyone who may write into the folder could point a link at a file only the administrator reads.
    prepare();
    const QString target = m_scratch.filePath("secret.txt");
    writeFile(target, "not for the library");
    ASSERT_TRUE(QFile::link(target, inDir() + "1_1.txt"));
    run();
    EXPECT_TRUE(logHas("FAIL - File 1_1.txt is a symbolic link and is not Checked In"));
    EXPECT_TRUE(QFileInfo(inDir() + "1_1.txt").isSymLink());
    EXPECT_EQ(readFile(target), "not for the library");
    EXPECT_EQ(content(1, 1), "alpha");
    EXPECT_TRUE(version(1, 1)->CheckedOut());
}

TEST_F(CheckInTest, ALinkPutInPlaceAfterTheLookIsRefusedByTheStore)
{
    prepare();
    const QString target = m_scratch.filePath("secret.txt");
    writeFile(target, "not for the library");
    ASSERT_TRUE(QFile::link(target, inDir() + "1_1.txt"));
    EXPECT_THROW(version(1, 1)->CheckIn(inDir() + "1_1.txt", 0), gw::Error);
    EXPECT_EQ(content(1, 1), "alpha");
    EXPECT_TRUE(version(1, 1)->CheckedOut());
}

// Names made of bytes: a line end in the name, and a byte that is not UTF-8.
TEST_F(CheckInTest, NamesThatAreNotPlainTextAreToldEscapedAndLeftAlone)
{
    prepare();
    const QList<QByteArray> names {QByteArray("1_1\n.txt"), QByteArray("1_2.t\xE9xt")};
    const auto pathOf = [this](const QByteArray& name) { return QByteArray(QFile::encodeName(inDir()) + name); };
    for (const QByteArray& name : names) {
        const int fd = ::open(pathOf(name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        ASSERT_GE(fd, 0);
        ASSERT_EQ(::write(fd, "edited", 6), 6);
        ::close(fd);
    }
    run();
    EXPECT_TRUE(logHas("FAIL - File 1_1\\n.txt has a name that is not plain text and is not Checked In"))
        << logText().toStdString();
    EXPECT_TRUE(logHas("FAIL - File 1_2.t\\xE9xt has a name that is not plain text and is not Checked In"));
    EXPECT_TRUE(logHas("Directory " + inDir() + "contains 2 files "));
    for (const QByteArray& name : names)
        EXPECT_EQ(::access(pathOf(name).constData(), F_OK), 0) << name.toStdString();
    EXPECT_TRUE(version(1, 1)->CheckedOut());
    EXPECT_TRUE(version(1, 2)->CheckedOut());
    EXPECT_EQ(content(1, 1), "alpha");
}

// A store that refuses changes is told as such for each file, and the run says at its end that
// it could not do its work; the files and the versions stay as they were.
class CheckInRefusedTest : public CheckInTest, public testing::WithParamInterface<Refusal>
{
};

TEST_P(CheckInRefusedTest, EachFileTellsTheStoresStateAndTheRunSaysNothingWasDone)
{
    holdBy(1, 1, "ANN");
    writeFile(inDir() + "1_1.txt", "edited");
    refuseChanges(GetParam());
    if (IsSkipped())
        return;
    open();
    run();
    const QString state = GetParam() == Refusal::Locked ? "locked by another program" : "read-only";
    const QString text = logText();
    EXPECT_TRUE(text.contains("\tFAIL - File 1_1.txt not Checked In: The library store is " + state + " ("))
        << text.toStdString();
    EXPECT_TRUE(text.contains("\tCheck In Not Done: The library store is " + state + " ("));
    EXPECT_TRUE(logHas("Completed Document Check In"));
    EXPECT_EQ(m_view.statuses.last(), "Check In Not Done");
    EXPECT_TRUE(QFileInfo::exists(inDir() + "1_1.txt"));
    EXPECT_TRUE(version(1, 1)->CheckedOut());
}

INSTANTIATE_TEST_SUITE_P(Stores, CheckInRefusedTest, testing::Values(Refusal::ReadOnly, Refusal::Locked),
                         [](const testing::TestParamInfo<Refusal>& info) {
                             return info.param == Refusal::Locked ? "Locked" : "ReadOnly";
                         });

} // namespace
