#include "store/FileCopy.h"

#include "gw/Error.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using store::FileCopy;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The source's bytes: more than one 64 KB buffer, so a copy by hand takes several rounds.
const QByteArray kSourceBytes = QByteArray(70000, 'n') + "END";
const char* const kSource = "<the source's bytes>";

struct CopyCase
{
    const char* name;
    bool sourceExists;
    bool targetExists;
    bool targetDirectoryExists;
    bool overwrite;
    const char* targetAfter; // content at the target afterwards; kSource: the source's bytes
    const char* errorStart; // nullptr: the copy succeeds
};

void PrintTo(const CopyCase& c, std::ostream* os)
{
    *os << c.name;
}

class FileCopyCases : public testing::TestWithParam<std::tuple<CopyCase, FileCopy::Via>>
{
};

TEST_P(FileCopyCases, ACopyIsWholeOrAbsentAndLeavesNothingElse)
{
    const auto& [c, via] = GetParam();
    QTemporaryDir dir;
    const QString source = dir.filePath("source.doc");
    const QString targetDir = dir.filePath("out");
    const QString target = targetDir + "/target.doc";
    if (c.sourceExists) {
        writeFile(source, kSourceBytes);
    }
    if (c.targetDirectoryExists) {
        ASSERT_TRUE(QDir().mkpath(targetDir));
    }
    if (c.targetExists) {
        writeFile(target, "old");
    }

    try {
        FileCopy::copy(source, target, c.overwrite, via);
        EXPECT_EQ(c.errorStart, nullptr) << "no error";
    } catch (const gw::Error& error) {
        ASSERT_NE(c.errorStart, nullptr) << error.message().toStdString();
        EXPECT_TRUE(error.message().startsWith(c.errorStart)) << error.message().toStdString();
    }
    const QByteArray expected = c.targetAfter == kSource ? kSourceBytes : QByteArray(c.targetAfter);
    EXPECT_EQ(contentOf(target), expected);
    if (c.targetDirectoryExists) {
        const QStringList left = QDir(targetDir).entryList(QDir::Files | QDir::Hidden | QDir::System);
        EXPECT_EQ(left.size(), contentOf(target) == "<missing>" ? 0 : 1) << left.join(' ').toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FileCopyCases,
    testing::Combine(
        testing::Values(CopyCase {"NewTarget", true, false, true, false, kSource, nullptr},
                        CopyCase {"ReplacesTarget", true, true, true, true, kSource, nullptr},
                        CopyCase {"KeepsTarget", true, true, true, false, "old", "A file already exists at "},
                        CopyCase {"MissingSource", false, false, true, true, "<missing>", "Cannot read "},
                        CopyCase {"MissingDirectory", true, false, false, true, "<missing>", "Cannot write "}),
        testing::Values(FileCopy::Via::UnnamedFileWherePossible, FileCopy::Via::TemporaryName)),
    [](const testing::TestParamInfo<std::tuple<CopyCase, FileCopy::Via>>& info) {
        return std::string(std::get<0>(info.param).name)
            + (std::get<1>(info.param) == FileCopy::Via::TemporaryName ? "ThroughATemporaryName" : "Unnamed");
    });

} // namespace
