#include "core/rights/EditList.h"

#include "core/app/BoundedLineReader.h"
#include "support/GTestQt.h"
#include "support/PeakMemory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using tw::EditList;

// The rows as "tick|original|replacement|action|rights".
QStringList rowsOf(const EditList& list)
{
    QStringList rows;
    for (const tw::EditRow& row : list.rows())
        rows.append(
            QStringList {row.ticked ? "1" : "0", row.original, row.replacement, row.action, row.rights}.join('|'));
    return rows;
}

void writeOld(const QString& path)
{
    QFile old(path);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("1\tOld\tList\tReplace\t0\r\n");
}

TEST(EditListTest, OneRowPerNameKeptInOrder)
{
    EditList list;
    int changes = 0;
    list.setObserver([&] { ++changes; });
    EXPECT_TRUE(list.setEdit("Zed Gone", "Bob Baker", "Replace"));
    EXPECT_TRUE(list.setEdit(" carol cook ", "Carol Cook", "Delete"));
    EXPECT_TRUE(list.setEdit("ann archer", "x", "Delete"));
    EXPECT_EQ(rowsOf(list),
              (QStringList {"0|ann archer|-|Delete|0", "0|carol cook|-|Delete|0", "1|Zed Gone|Bob Baker|Replace|0"}));
    // The same name in other letters updates its row; a Delete keeps the tick as it was.
    list.setRights(2, "3:39");
    EXPECT_TRUE(list.setEdit("ZED GONE", "Ann Archer", "Delete"));
    EXPECT_EQ(rowsOf(list).at(2), "1|Zed Gone|-|Delete|0");
    EXPECT_TRUE(list.setEdit("Ann Archer", "Bob Baker", "Replace"));
    EXPECT_EQ(rowsOf(list).at(0), "1|ann archer|Bob Baker|Replace|0");
    EXPECT_FALSE(list.setEdit("Bob\tBaker", "Ann", "Replace")) << "a TAB would split the saved line";
    EXPECT_FALSE(list.setEdit("  ", "Ann", "Delete"));
    EXPECT_EQ(list.size(), 3);
    EXPECT_EQ(changes, 6);
}

TEST(EditListTest, SaveAndLoadKeepEveryRowAsItWas)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("EditList.txt");
    EditList list;
    EXPECT_EQ(list.save(path), EditList::SaveResult::NoRows);
    EXPECT_FALSE(QFile::exists(path));
    list.setEdit("Zed Gone", "Bob Baker", "Replace");
    list.setEdit("Carol Cook", "", "Delete");
    list.setRights(1, "3:39");
    list.setTicked(1, false);
    writeOld(path);
    ASSERT_EQ(list.save(path), EditList::SaveResult::Saved);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("0\tCarol Cook\t-\tDelete\t0\r\n0\tZed Gone\tBob Baker\tReplace\t3:39\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList {"EditList.txt"}) << "nothing left beside it";

    EditList loaded;
    loaded.setEdit("Someone", "Else", "Replace");
    const EditList::LoadResult result = loaded.load(path);
    EXPECT_TRUE(result.found);
    EXPECT_EQ(result.rows, 2);
    EXPECT_EQ(rowsOf(loaded), rowsOf(list));
}

struct LoadCase
{
    const char* name;
    QByteArray bytes;
    QStringList rows;
    int leftOut;
};

class EditListLoadTest : public testing::TestWithParam<LoadCase>
{
};

TEST_P(EditListLoadTest, ReadsWhatItCanAndCountsTheRest)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("EditList.txt");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(GetParam().bytes);
    file.close();
    EditList list;
    const EditList::LoadResult result = list.load(path);
    EXPECT_EQ(rowsOf(list), GetParam().rows);
    EXPECT_EQ(result.leftOut, GetParam().leftOut);
}

// A line of exactly the longest length read, and one a character longer.
const QByteArray kLongest(tw::BoundedLineReader::kMaxCharacters - int(sizeof("0\t\t-\tDelete\t0") - 1), 'n');
const QByteArray kTooLong = kLongest + 'n';

INSTANTIATE_TEST_SUITE_P(
    Files, EditListLoadTest,
    testing::Values(
        LoadCase {
            "crLf", "1\tA\tB\tReplace\t2:6\r\n0\tC\t-\tDelete\t0\r\n", {"1|A|B|Replace|2:6", "0|C|-|Delete|0"}, 0},
        LoadCase {"lfOnly", "1\tA\tB\tReplace\t0\n0\tC\t-\tDelete\t0", {"1|A|B|Replace|0", "0|C|-|Delete|0"}, 0},
        LoadCase {"crOnly", "1\tA\tB\tReplace\t0\r0\tC\t-\tDelete\t0\r", {"1|A|B|Replace|0", "0|C|-|Delete|0"}, 0},
        LoadCase {"emptyLines", "\r\n1\tA\tB\tReplace\t0\r\n\r\n", {"1|A|B|Replace|0"}, 0},
        LoadCase {"fewTabs", "1\tA\tB\r\n1\tA\tB\tReplace\r\n0\tC\t-\tDelete\t0\r\n", {"0|C|-|Delete|0"}, 2},
        LoadCase {"otherTick", "x\tA\tB\tReplace\t0\r\n", {"0|A|B|Replace|0"}, 0},
        LoadCase {"rightsWithTabs", "1\tA\tB\tReplace\t1:4\textra\r\n", {"1|A|B|Replace|1:4\textra"}, 0},
        LoadCase {"otherAction", "1\tA\tB\tRename\t0\r\n1\t\tB\tReplace\t0\r\n", {}, 2},
        LoadCase {"notText", "1\tA\xff\xfe\tB\tReplace\t0\r\n0\tC\t-\tDelete\t0\r\n", {"0|C|-|Delete|0"}, 1},
        // The tick and the character after it are characters, whatever their size in the file.
        LoadCase {"wideSecond",
                  "1\xf0\x9f\x98\x80"
                  "Ann\tBob\tReplace\t0\r\n",
                  {"1|Ann|Bob|Replace|0"},
                  0},
        LoadCase {"wideTick", "\xf0\x90\x90\x80\tAnn\t-\tDelete\t0\r\n", {"0|Ann|-|Delete|0"}, 0},
        LoadCase {"longestLine",
                  "0\t" + kLongest + "\t-\tDelete\t0\r\n",
                  {"0|" + QString::fromLatin1(kLongest) + "|-|Delete|0"},
                  0},
        LoadCase {"tooLongLine", "0\t" + kTooLong + "\t-\tDelete\t0\r\n0\tC\t-\tDelete\t0\r\n", {"0|C|-|Delete|0"}, 1}),
    [](const testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

// A list loaded and saved again loads as it was: no name loses half a character on the way.
TEST(EditListTest, ALoadedListSavedAgainLoadsTheSame)
{
    QTemporaryDir dir;
    const QString first = dir.filePath("first.txt");
    const QString second = dir.filePath("EditList.txt");
    QFile file(first);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("1\xf0\x9f\x98\x80\xf0\x9f\x98\x80"
               "Ann\tBob\tReplace\t0\r\n");
    file.close();
    EditList loaded;
    ASSERT_EQ(loaded.load(first).rows, 1);
    ASSERT_EQ(loaded.save(second), EditList::SaveResult::Saved);
    EditList again;
    EXPECT_EQ(again.load(second).leftOut, 0);
    EXPECT_EQ(rowsOf(again), rowsOf(loaded));
    EXPECT_EQ(rowsOf(again),
              QStringList {QString::fromUtf8("1|\xf0\x9f\x98\x80"
                                             "Ann|Bob|Replace|0")});
}

// A field of 20 MB is passed over as one line left out, without the list's load holding it: the
// memory the load takes stays far below the field's size.
TEST(EditListTest, AHugeFieldIsLeftOutWithoutBeingHeld)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("EditList.txt");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("1\tA\tB\tReplace\t0\r\n0\t");
        const QByteArray megabyte(1024 * 1024, 'n');
        for (int i = 0; i < 20; ++i)
            file.write(megabyte);
        file.write("\t-\tDelete\t0\r\n0\tC\t-\tDelete\t0\r\n");
    }
    const qint64 before = tw::test::peakResidentBytes();
    EditList list;
    const EditList::LoadResult result = list.load(path);
    EXPECT_LT(tw::test::peakResidentBytes() - before, 8 * 1024 * 1024);
    // Compared without printing: a wrong row here may hold the whole field.
    EXPECT_TRUE(rowsOf(list) == (QStringList {"1|A|B|Replace|0", "0|C|-|Delete|0"})) << list.size() << " rows";
    EXPECT_EQ(result.leftOut, 1);
}

TEST(EditListTest, LoadingAMissingFileLeavesTheListEmpty)
{
    QTemporaryDir dir;
    EditList list;
    list.setEdit("A", "B", "Replace");
    const EditList::LoadResult result = list.load(dir.filePath("EditList.txt"));
    EXPECT_FALSE(result.found);
    EXPECT_EQ(list.size(), 0);
}

} // namespace
