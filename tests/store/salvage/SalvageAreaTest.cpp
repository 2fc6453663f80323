#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using store::SalvageArea;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

class SalvageAreaTest : public ::testing::Test
{
protected:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

TEST_F(SalvageAreaTest, DeletedFileKeepsNameTimeDeleterAndBytes)
{
    writeFile(path("0A1B2C3D.DOC"), "first content");
    SalvageArea area(m_dir.path());
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 30, 0));
    const auto entry = area.deleteFile("0A1B2C3D.DOC", "JSMITH", when);
    ASSERT_TRUE(entry.has_value());
    EXPECT_FALSE(QFile::exists(path("0A1B2C3D.DOC")));
    EXPECT_EQ(entry->originalName, "0A1B2C3D.DOC");
    EXPECT_EQ(entry->deletedBy, "JSMITH");
    EXPECT_EQ(entry->deletedAt, when);
    EXPECT_EQ(entry->size, 13);
    EXPECT_EQ(readFile(area.contentPath(entry->sequence)), "first content");
}

TEST_F(SalvageAreaTest, SameNameDeletedTwiceGivesTwoEntriesInOrder)
{
    SalvageArea area(m_dir.path());
    writeFile(path("A.TXT"), "one");
    area.deleteFile("A.TXT", "U1");
    writeFile(path("A.TXT"), "two");
    area.deleteFile("A.TXT", "U2");
    const auto entries = area.entries();
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_LT(entries[0].sequence, entries[1].sequence);
    EXPECT_EQ(readFile(area.contentPath(entries[0].sequence)), "one");
    EXPECT_EQ(readFile(area.contentPath(entries[1].sequence)), "two");
}

// Another program deleting into the same area between two deletes of this one: its number is
// never taken again, and the entries stay in deletion order.
TEST_F(SalvageAreaTest, NumberTakenMeanwhileIsSkipped)
{
    SalvageArea area(m_dir.path());
    writeFile(path("A.TXT"), "one");
    const auto first = area.deleteFile("A.TXT", "U1");
    ASSERT_TRUE(first.has_value());
    writeFile(area.contentPath(first->sequence + 1), "theirs");
    writeFile(path("B.TXT"), "two");
    const auto second = SalvageArea(m_dir.path()).deleteFile("B.TXT", "U2");
    ASSERT_TRUE(second.has_value());
    EXPECT_GT(second->sequence, first->sequence + 1);
    EXPECT_EQ(readFile(area.contentPath(first->sequence + 1)), "theirs");
    EXPECT_EQ(readFile(area.contentPath(second->sequence)), "two");
}

TEST_F(SalvageAreaTest, DeletingWhatIsNotAPlainFileInTheDirectoryFails)
{
    SalvageArea area(m_dir.path());
    QDir(m_dir.path()).mkdir("sub");
    for (const char* name : {"missing.txt", "sub", "../escape.txt", "..", ""})
        EXPECT_FALSE(area.deleteFile(QString::fromUtf8(name), "U").has_value()) << name;
    EXPECT_TRUE(area.entries().empty());
}

TEST_F(SalvageAreaTest, RecordWithoutContentIsNotAnEntry)
{
    // A crash between writing the record and moving the file in leaves only the record.
    SalvageArea area(m_dir.path());
    QDir().mkpath(area.folderPath());
    writeFile(area.folderPath() + "/00000001.INF", R"({"name":"X.TXT"})");
    EXPECT_TRUE(area.entries().empty());
    writeFile(path("Y.TXT"), "y");
    const auto entry = area.deleteFile("Y.TXT", "U");
    ASSERT_TRUE(entry.has_value());
    EXPECT_EQ(entry->sequence, 2u);
    ASSERT_EQ(area.entries().size(), 1u);
}

struct RecoverCase
{
    const char* label;
    const char* deletedName;
    const char* present; // a file already in the directory, or ""
    const char* recoverAs;
    SalvageArea::RecoverResult result;
    const char* restoredName; // where the bytes land, or ""
};

class SalvageRecoverTest : public ::testing::TestWithParam<RecoverCase>
{
};

TEST_P(SalvageRecoverTest, RecoversOnlyWithoutOverwriting)
{
    const auto& c = GetParam();
    QTemporaryDir dir;
    SalvageArea area(dir.path());
    writeFile(dir.filePath(c.deletedName), "salvaged bytes");
    const auto entry = area.deleteFile(c.deletedName, "U");
    ASSERT_TRUE(entry.has_value());
    if (*c.present)
        writeFile(dir.filePath(c.present), "user's own file");

    EXPECT_EQ(area.recover(entry->sequence, c.recoverAs), c.result);

    const bool recovered = c.result == SalvageArea::RecoverResult::Recovered;
    EXPECT_EQ(area.entries().size(), recovered ? 0u : 1u);
    if (*c.restoredName) {
        EXPECT_EQ(readFile(dir.filePath(c.restoredName)), "salvaged bytes");
    }
    if (*c.present) {
        EXPECT_EQ(readFile(dir.filePath(c.present)), "user's own file");
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SalvageRecoverTest,
                         ::testing::Values(RecoverCase {"UnderItsOwnName", "0A1B2C3D.DOC", "", "0A1B2C3D.DOC",
                                                        SalvageArea::RecoverResult::Recovered, "0A1B2C3D.DOC"},
                                           RecoverCase {"LowerCaseFileUnderUpperName", "memo.txt", "", "MEMO.TXT",
                                                        SalvageArea::RecoverResult::Recovered, "memo.txt"},
                                           RecoverCase {"UnderAnotherName", "MEMO.TXT", "", "MEMO2.TXT",
                                                        SalvageArea::RecoverResult::Recovered, "MEMO2.TXT"},
                                           RecoverCase {"NameTakenRefused", "MEMO.TXT", "MEMO.TXT", "MEMO.TXT",
                                                        SalvageArea::RecoverResult::NameExists, ""},
                                           RecoverCase {"NameTakenInOtherCaseRefused", "MEMO.TXT", "memo.txt",
                                                        "MEMO.TXT", SalvageArea::RecoverResult::NameExists, ""},
                                           RecoverCase {"LongNameRefused", "MEMO.TXT", "", "LONGERTHAN8.TXT",
                                                        SalvageArea::RecoverResult::BadName, ""},
                                           RecoverCase {"PathInNameRefused", "MEMO.TXT", "", "../MEMO.TXT",
                                                        SalvageArea::RecoverResult::BadName, ""},
                                           RecoverCase {"LongFileUnderItsAlias", "Quarterly report.docx", "",
                                                        "QUARTE~1.DOC", SalvageArea::RecoverResult::Recovered,
                                                        "Quarterly report.docx"}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(SalvageAreaTest, RecoverOfUnknownEntryFails)
{
    SalvageArea area(m_dir.path());
    EXPECT_EQ(area.recover(7, "A.TXT"), SalvageArea::RecoverResult::NoSuchEntry);
}

} // namespace
