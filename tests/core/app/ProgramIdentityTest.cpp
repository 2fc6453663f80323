#include "core/app/ProgramIdentity.h"

#include "support/GTestQt.h"

#include <QDir>
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

} // namespace
