#include "core/app/ProgramIdentity.h"

#include "support/GTestQt.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using tw::ProgramIdentity;

namespace {

struct NameCase
{
    const char* label;
    const char* executable;
    const char* version;
    const char* expected;
};

class ProgramNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(ProgramNameTest, BuildsTheName)
{
    const NameCase& c = GetParam();
    EXPECT_EQ(ProgramIdentity::ProgramName(c.executable, c.version), QString::fromLatin1(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    ProgramName, ProgramNameTest,
    testing::Values(NameCase {"LowerCaseExe", "/opt/tarnwick/tarnwick.exe", "1.4.11.3", "Tarnwick (1.4.11.3)"},
                    NameCase {"UpperCaseExe", "/opt/TARNWICK.EXE", "1.4.11.3", "Tarnwick (1.4.11.3)"},
                    NameCase {"NoExtension", "/usr/bin/tarnwick", "1.0.0.1", "Tarnwick (1.0.0.1)"},
                    NameCase {"SeveralDots", "/x/tarn.wick.v2.exe", "2.0", "Tarn (2.0)"},
                    NameCase {"VersionLowerCased", "tarnwick", "1.0 BETA", "Tarnwick (1.0 beta)"},
                    NameCase {"NoVersion", "tarnwick", "", "Tarnwick ()"}),
    [](const testing::TestParamInfo<NameCase>& info) { return info.param.label; });

TEST(ProgramIdentity, UserNameIsUpperCaseOrUnknown)
{
    const QString name = ProgramIdentity::WindowsUserName();
    ASSERT_FALSE(name.isEmpty());
    if (name != "<UNKNOWN>") {
        EXPECT_EQ(name, name.toUpper());
    }
}

TEST(ProgramIdentity, ProgramDirectoryIsTheWritableExecutableDirectory)
{
    QTemporaryDir dir;
    const QString exe = dir.filePath("tarnwick");
    EXPECT_EQ(ProgramIdentity::programDirectory(exe), QDir::toNativeSeparators(dir.path()) + QDir::separator());
}

TEST(ProgramIdentity, UnwritableExecutableDirectoryFallsBackToUserData)
{
    // A directory that cannot be written (here: one that is gone) sends the
    // program's files to the per-user data folder.
    QTemporaryDir dir;
    const QString result = ProgramIdentity::programDirectory(dir.filePath("removed/tarnwick"));
    EXPECT_TRUE(result.endsWith("/tarnwick/")) << result.toStdString();
    EXPECT_FALSE(result.startsWith(dir.path()));
}

struct DirectoryCase
{
    const char* label;
    const char* folder; // the executable's folder, inside a scratch directory
    bool exists;
    bool beside; // the program's files stay beside the executable
};

class ProgramDirectoryTest : public testing::TestWithParam<DirectoryCase>
{
protected:
    void SetUp() override
    {
        m_savedDataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", m_dir.filePath("data").toLocal8Bit());
    }
    void TearDown() override
    {
        if (m_savedDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", m_savedDataHome);
    }

    QTemporaryDir m_dir;
    QByteArray m_savedDataHome;
};

TEST_P(ProgramDirectoryTest, ChoosesTheFolderOfTheProgramsFiles)
{
    const DirectoryCase& c = GetParam();
    const QString folder = m_dir.filePath(c.folder);
    if (c.exists) {
        ASSERT_TRUE(QDir().mkpath(folder));
    }
    const QString expected = c.beside ? folder : m_dir.filePath("data/tarnwick");
    const QString result = ProgramIdentity::programDirectory(folder + "/tarnwick");
    EXPECT_EQ(result, QDir::toNativeSeparators(expected) + QDir::separator());
    EXPECT_TRUE(QFileInfo(result).isDir());
}

// An installed program lives in a bin folder shared with other programs
// (writable for root), so its daily log goes to the per-user data folder.
INSTANTIATE_TEST_SUITE_P(ProgramDirectory, ProgramDirectoryTest,
                         testing::Values(DirectoryCase {"WritableFolder", "opt/tarnwick", true, true},
                                         DirectoryCase {"BuildTree", "build/src/app", true, true},
                                         DirectoryCase {"InstalledBinFolder", "usr/bin", true, false},
                                         DirectoryCase {"UserBinFolder", "home/ann/.local/bin", true, false},
                                         DirectoryCase {"FolderNamedLikeBin", "opt/bin-tools", true, true},
                                         DirectoryCase {"MissingFolder", "removed", false, false}),
                         [](const testing::TestParamInfo<DirectoryCase>& info) { return info.param.label; });

} // namespace
