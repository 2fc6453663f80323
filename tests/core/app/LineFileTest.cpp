#include "core/app/LineFile.h"

#include "core/app/IoError.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

using tw::IoError;
using tw::LineFile;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// What happens to the report's path between two writes of a held-open file.
struct BetweenWrites
{
    const char* name;
    std::function<void(const QString& dir, const QString& path)> act;
    const char* atPath; // the file at the path after the second write
    const char* elsewhere; // the moved-away file, when there is one
    bool fails;
};

void PrintTo(const BetweenWrites& c, std::ostream* os)
{
    *os << c.name;
}

class LineFileBetweenWrites : public testing::TestWithParam<BetweenWrites>
{
};

TEST_P(LineFileBetweenWrites, EveryLineLandsInTheFileThePathNames)
{
    const BetweenWrites& c = GetParam();
    // A file checked once per burst of lines sees the change on the burst's first write.
    for (const LineFile::PathCheck check : {LineFile::PathCheck::EveryWrite, LineFile::PathCheck::WhenAsked}) {
        SCOPED_TRACE(check == LineFile::PathCheck::EveryWrite ? "checked on every write" : "checked when asked");
        QTemporaryDir temporary;
        const QString dir = temporary.filePath("out");
        ASSERT_TRUE(QDir().mkpath(dir));
        const QString path = dir + "/Library.rpt";
        LineFile file;
        file.setPathCheck(check);
        file.write(path, {"one"}, {"Head", ""});
        c.act(dir, path);
        file.checkPathBeforeNextWrite();
        if (c.fails) {
            try {
                file.write(path, {"two"}, {"Head", ""});
                ADD_FAILURE() << "no error";
            } catch (const IoError& error) {
                EXPECT_TRUE(error.message().startsWith("Cannot open the file ")) << error.message().toStdString();
            }
            EXPECT_FALSE(file.isOpen()) << "a failed write leaves no file open";
            continue;
        }
        file.write(path, {"two"}, {"Head", ""});
        file.close();
        EXPECT_EQ(contentOf(path), QByteArray(c.atPath));
        if (c.elsewhere) {
            EXPECT_EQ(contentOf(dir + "/moved.rpt"), QByteArray(c.elsewhere));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    PathChanges, LineFileBetweenWrites,
    testing::Values(
        BetweenWrites {"Untouched", [](const QString&, const QString&) {}, "Head\r\n\r\none\r\ntwo\r\n", nullptr,
                       false},
        BetweenWrites {"AppendedByAnotherWriter",
                       [](const QString&, const QString& path) { LineFile::append(path, {"other"}); },
                       "Head\r\n\r\none\r\nother\r\ntwo\r\n", nullptr, false},
        BetweenWrites {"Deleted", [](const QString&, const QString& path) { QFile::remove(path); },
                       "Head\r\n\r\ntwo\r\n", nullptr, false},
        BetweenWrites {"MovedAway",
                       [](const QString& dir, const QString& path) { QFile::rename(path, dir + "/moved.rpt"); },
                       "Head\r\n\r\ntwo\r\n", "Head\r\n\r\none\r\n", false},
        BetweenWrites {"ReplacedByAnotherFile",
                       [](const QString& dir, const QString& path) {
                           LineFile::append(dir + "/new.rpt", {"new"});
                           QFile::remove(path);
                           QFile::rename(dir + "/new.rpt", path);
                       },
                       "new\r\ntwo\r\n", nullptr, false},
        BetweenWrites {"DirectoryRemoved", [](const QString& dir, const QString&) { QDir(dir).removeRecursively(); },
                       nullptr, nullptr, true}),
    [](const testing::TestParamInfo<BetweenWrites>& info) { return std::string(info.param.name); });

TEST(LineFile, AFileRemovedInTheMiddleOfABurstGetsTheWriteInANewFileWithItsHead)
{
    // The path is not checked within the burst; the open file tells that it has no name left.
    for (const bool ownHeader : {true, false}) {
        SCOPED_TRACE(ownHeader ? "the write brings the header" : "the header for new files");
        QTemporaryDir dir;
        const QString path = dir.filePath("Library.rpt");
        LineFile file;
        file.setPathCheck(LineFile::PathCheck::WhenAsked);
        file.setNewFileHeader([] { return QStringList {"New head", ""}; });
        file.write(path, {"one"}, {"Head", ""});
        QFile::remove(path);
        file.write(path, {"two", "three"}, ownHeader ? QStringList {"Head", ""} : QStringList {});
        file.write(path, {"four"});
        file.close();
        EXPECT_EQ(contentOf(path),
                  ownHeader ? "Head\r\n\r\ntwo\r\nthree\r\nfour\r\n" : "New head\r\n\r\ntwo\r\nthree\r\nfour\r\n");
    }
}

TEST(LineFile, AnotherPathClosesTheFirstFileAndStartsTheSecondWithItsHeader)
{
    QTemporaryDir dir;
    LineFile file;
    file.write(dir.filePath("20261209.log"), {"late"}, {"Head 9", ""});
    file.write(dir.filePath("20261210.log"), {"early"}, {"Head 10", ""});
    file.close();
    EXPECT_FALSE(file.isOpen());
    EXPECT_EQ(contentOf(dir.filePath("20261209.log")), "Head 9\r\n\r\nlate\r\n");
    EXPECT_EQ(contentOf(dir.filePath("20261210.log")), "Head 10\r\n\r\nearly\r\n");
}

TEST(LineFile, EachWriteIsOnDiskBeforeTheFileIsClosed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("Export.rpt");
    LineFile file;
    file.write(path, {"a", "b"}, {"Head"});
    EXPECT_EQ(contentOf(path), "Head\r\na\r\nb\r\n");
    file.write(path, {"c"});
    EXPECT_EQ(contentOf(path), "Head\r\na\r\nb\r\nc\r\n");
    file.close();
    file.write(path, {"d"}, {"Head"});
    file.close();
    EXPECT_EQ(contentOf(path), "Head\r\na\r\nb\r\nc\r\nd\r\n") << "an existing file gets no second header";
}

} // namespace
