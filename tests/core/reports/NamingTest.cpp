#include "core/app/BoundedLineReader.h"
#include "core/reports/ExportList.h"
#include "core/reports/ExportNaming.h"
#include "core/reports/SafeName.h"
#include "support/GTestQt.h"
#include "support/PeakMemory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tw::ExportNaming;
using tw::ExportOptions;

namespace {

struct SafeNameCase
{
    const char* name;
    QString text;
    QString expected;
};

class SafeNameTest : public testing::TestWithParam<SafeNameCase>
{
};

TEST_P(SafeNameTest, CleansReservedCharacters)
{
    EXPECT_EQ(tw::SafeName(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(SafeName, SafeNameTest,
                         testing::Values(SafeNameCase {"TrimsBlanksAndControls", "\t  Budget \r\n", "Budget"},
                                         SafeNameCase {"RemovesSeven", QString::fromUtf8("\"*:;=?\u00A6"), ""},
                                         SafeNameCase {"Replacements", "a+b/c<d>e[f]g\\h", "a&b-c(d)e(f)g_h"},
                                         SafeNameCase {"BarAndStopPass", "a|b.c", "a|b.c"},
                                         SafeNameCase {"BlanksBesideARemovedCharacterStay", "What ? Now", "What  Now"},
                                         SafeNameCase {"NotTrimmedAgain", "? x ?", " x "},
                                         SafeNameCase {"EveryOccurrence", "a::b::c", "abc"}),
                         [](const testing::TestParamInfo<SafeNameCase>& info) { return info.param.name; });

struct FileNameCase
{
    const char* name;
    QString subject;
    QString fileType;
    ExportOptions options;
    QString expected;
};

ExportOptions options(bool shortName, bool joliet, bool clean)
{
    ExportOptions o;
    o.ShortFilename = shortName;
    o.JolietCompatible = joliet;
    o.CleanFileName = clean;
    return o;
}

class FileNameTest : public testing::TestWithParam<FileNameCase>
{
};

TEST_P(FileNameTest, NamesTheFileOfDocument1234Version2)
{
    const FileNameCase& c = GetParam();
    EXPECT_EQ(ExportNaming::fileName(1234, 2, c.fileType, c.subject, c.options), c.expected);
}

const QString kLong = QString(100, QLatin1Char('s'));

INSTANTIATE_TEST_SUITE_P(
    FileName, FileNameTest,
    testing::Values(
        FileNameCase {"JolietCutsTo64", kLong, "doc", options(false, true, false), kLong.left(51) + "_N1234_V2.doc"},
        FileNameCase {"WithoutJolietTheSubjectStaysWhole", kLong, "doc", options(false, false, false),
                      kLong + "_N1234_V2.doc"},
        FileNameCase {"OnlyReservedCharacters", "???", "doc", options(false, true, false),
                      "Unknown Subject_N1234_V2.doc"},
        FileNameCase {"UncleanKeepsTheLastPart", "reports\\2004\\budget", "doc", options(false, true, false),
                      "budget_N1234_V2.doc"},
        FileNameCase {"UncleanCutsAfterAColon", "C:notes", "doc", options(false, true, false), "notes_N1234_V2.doc"},
        FileNameCase {"CleanKeepsTheWholeSubject", "reports\\2004\\budget", "doc", options(false, true, true),
                      "reports_2004_budget_N1234_V2.doc"},
        FileNameCase {"FirstMentionOfTheTypeGoes", "Budget.doc final", "doc", options(false, true, false),
                      "Budget final_N1234_V2.doc"},
        FileNameCase {"TypeMatchIsCaseSensitive", "Budget.doc final", "DOC", options(false, true, false),
                      "Budget.doc final_N1234_V2.DOC"},
        FileNameCase {"NoTypeRemovesTheFirstStop", "Budget.doc final", "", options(false, true, false),
                      "Budgetdoc final_N1234_V2."},
        FileNameCase {"ShortFilenameIgnoresTheSubject", kLong, "doc", options(true, true, false), "1234_2.doc"},
        FileNameCase {"NumbersAloneExceedTheLimit", "Budget", QString(60, QLatin1Char('x')),
                      options(false, true, false), "_N1234_V2." + QString(60, QLatin1Char('x'))}),
    [](const testing::TestParamInfo<FileNameCase>& info) { return info.param.name; });

struct FolderCase
{
    const char* name;
    QStringList fields;
    QStringList values; // the value of each field, in order
    QString expected; // below the top directory
};

class FolderPathTest : public testing::TestWithParam<FolderCase>
{
};

TEST_P(FolderPathTest, BuildsTheLevelsInsideTheTopDirectory)
{
    const FolderCase& c = GetParam();
    QTemporaryDir top;
    const QString topPath = top.path() + "/";
    QStringList failures;
    const QString directory = ExportNaming::folderPath(
        topPath, c.fields, [&c](const QString& field) { return c.values.at(c.fields.indexOf(field)); },
        [&failures](const QString& message) { failures.append(message); });
    EXPECT_EQ(directory, topPath + c.expected);
    EXPECT_TRUE(QDir(directory).exists());
    EXPECT_TRUE(failures.isEmpty()) << failures.join(' ').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    FolderPath, FolderPathTest,
    testing::Values(FolderCase {"TwoLevels", {"Author", "Client"}, {"Ann Archer", "Acme"}, "Ann Archer/Acme/"},
                    FolderCase {"EmptyValueNamesTheLevelAfterTheField", {"Author"}, {""}, "Author/"},
                    FolderCase {"OnlyReservedCharactersSkipTheLevel", {"Author", "Client"}, {"???", "Acme"}, "Acme/"},
                    FolderCase {"DotDotIsSkipped", {"Client", "Author"}, {"..", "Ann"}, "Ann/"},
                    FolderCase {"DotIsSkipped", {"Client"}, {"."}, ""},
                    FolderCase {"DotDotWithBlanksIsSkipped", {"Client"}, {" .. "}, ""},
                    FolderCase {"SlashesNeverSeparate", {"Client"}, {"../../etc"}, "..-..-etc/"},
                    FolderCase {"ReservedCharactersCleaned", {"Client"}, {"A/B: C"}, "A-B C/"}),
    [](const testing::TestParamInfo<FolderCase>& info) { return info.param.name; });

TEST(FolderPath, ALevelThatCannotBeCreatedIsReportedAndLeftOut)
{
    // The value holds "%1", which the message must show as it is.
    QTemporaryDir top;
    const QString topPath = top.path() + "/";
    QFile blocker(topPath + "Ac%1me");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QStringList failures;
    const QString directory = ExportNaming::folderPath(
        topPath, {"Client", "Author"}, [](const QString& field) { return field == "Client" ? "Ac%1me" : "Ann"; },
        [&failures](const QString& message) { failures.append(message); });
    EXPECT_EQ(directory, topPath + "Ann/");
    const QString failed = topPath + "Ac%1me";
    EXPECT_EQ(
        failures,
        QStringList {"Sub Directory Create failed for " + failed + " (" + QString::number(failed.size()) + " chars)"});
}

struct ListCase
{
    const char* name;
    QStringList lines;
    QStringList expected;
};

class ExportListTest : public testing::TestWithParam<ListCase>
{
};

TEST_P(ExportListTest, SortsAsTextWithDuplicatesOnce)
{
    EXPECT_EQ(tw::ExportList::sortedEntries(GetParam().lines), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(ExportList, ExportListTest,
                         testing::Values(ListCase {"DuplicatesOnce", {"12", "5", "12", "100"}, {"100", "12", "5"}},
                                         ListCase {"TextOrder", {"2", "11", "100"}, {"100", "11", "2"}},
                                         ListCase {"BadLinesKept", {"abc", "7", ""}, {"", "7", "abc"}}),
                         [](const testing::TestParamInfo<ListCase>& info) { return info.param.name; });

TEST(ExportList, ReadsLinesWithEitherLineEndAndNoEntryForTheFinalOne)
{
    QTemporaryDir dir;
    QFile file(dir.path() + "/Export.lst");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("12\r\n5\n12\r\n100\r\n");
    file.close();
    EXPECT_EQ(tw::ExportList::read(file.fileName()), (QStringList {"100", "12", "5"}));
}

// A line longer than the longest read stands as an entry of its own that is no number, so that
// the run counts and logs it with the other lines it cannot use; a line at the limit is read.
TEST(ExportList, ALineTooLongStandsAsAnEntryThatIsNoNumber)
{
    QTemporaryDir dir;
    QFile file(dir.path() + "/Export.lst");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray longest(tw::BoundedLineReader::kMaxCharacters, '7');
    file.write("5\n" + longest + "1\r\n" + longest + "\n12\n");
    file.close();
    EXPECT_EQ(tw::ExportList::read(file.fileName()),
              (QStringList {"12", "5", QString::fromLatin1(longest), tw::ExportList::tooLongEntry(2)}));
    EXPECT_EQ(tw::ExportList::tooLongEntry(2), "<line 2: more than 4096 characters>");
}

// A file of 300 MB (a hole, so that it takes no disk) is read in the memory of a few lines.
TEST(ExportList, AHugeFileIsReadWithoutBeingHeld)
{
    QTemporaryDir dir;
    QFile file(dir.path() + "/Export.lst");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_TRUE(file.seek(300LL * 1024 * 1024));
    file.write("\n7\n");
    file.close();
    const qint64 before = tw::test::peakResidentBytes();
    const QStringList entries = tw::ExportList::read(file.fileName());
    EXPECT_LT(tw::test::peakResidentBytes() - before, 8 * 1024 * 1024);
    // Compared without printing: a wrong entry here may be the whole file.
    EXPECT_TRUE(entries == (QStringList {"7", tw::ExportList::tooLongEntry(1)})) << entries.size() << " entries";
}

TEST(ExportOptions, DefaultsAndExplanation)
{
    const ExportOptions defaults;
    EXPECT_FALSE(defaults.UseUserID);
    EXPECT_FALSE(defaults.ShortFilename);
    EXPECT_TRUE(defaults.JolietCompatible);
    EXPECT_FALSE(defaults.CleanFileName);
    const QString text = ExportOptions::explanation();
    EXPECT_TRUE(text.startsWith("Explanation of Export Options"));
    for (const char* caption : {"Use UserID", "Short Filename", "Joliet Compatible", "Clean FileNames"})
        EXPECT_TRUE(text.contains(QString("\r\n") + caption + "\r\n")) << caption;
}

} // namespace
