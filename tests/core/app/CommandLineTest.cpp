#include "core/app/CommandLine.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

using tw::CommandLine;

namespace {

struct SwitchCase
{
    const char* label;
    QStringList parameters;
    const char* name;
    int minimumLength;
    bool on;
};

class SwitchTest : public testing::TestWithParam<SwitchCase>
{
};

TEST_P(SwitchTest, DecidesTheSwitch)
{
    const SwitchCase& c = GetParam();
    EXPECT_EQ(CommandLine(c.parameters).switchOn(QString::fromLatin1(c.name), c.minimumLength), c.on);
}

INSTANTIATE_TEST_SUITE_P(ProgPar, SwitchTest,
                         testing::Values(SwitchCase {"SlashLowerCase", {"/Debug=yes"}, "Debug", 2, true},
                                         SwitchCase {"Abbreviated", {"De=YES"}, "Debug", 2, true},
                                         SwitchCase {"LowerKey", {"debug=YES"}, "Debug", 2, true},
                                         SwitchCase {"Plain", {"Debug=YES"}, "Debug", 2, true},
                                         SwitchCase {"ManySlashes", {"//\\/Debug=YES"}, "Debug", 2, true},
                                         SwitchCase {"Backslash", {"\\De=Yes"}, "Debug", 2, true},
                                         SwitchCase {"KeyTooShort", {"D=YES"}, "Debug", 2, false},
                                         SwitchCase {"KeyLongerThanName", {"Debugging=YES"}, "Debug", 2, false},
                                         SwitchCase {"ValueNotYes", {"Debug=Y"}, "Debug", 2, false},
                                         SwitchCase {"FirstMatchWins", {"Debug=NO", "Debug=YES"}, "Debug", 2, false},
                                         SwitchCase {"NoEqualsSkipped", {"Debug", "/NS", "Deb=YES"}, "Debug", 2, true},
                                         SwitchCase {"OtherKeyIgnored", {"LibReset=YES"}, "Debug", 2, false},
                                         SwitchCase {"LibResetMinimumFour", {"LibR=YES"}, "LibReset", 4, true},
                                         SwitchCase {"LibResetThreeTooShort", {"Lib=YES"}, "LibReset", 4, false},
                                         SwitchCase {"NameShorterThanMinimum", {"D=YES"}, "D", 2, false},
                                         SwitchCase {"NoParameters", {}, "Debug", 2, false}),
                         [](const testing::TestParamInfo<SwitchCase>& info) { return info.param.label; });

TEST(ProgPar, ReturnsTheUpperCasedTextAfterTheFirstEquals)
{
    const CommandLine line({"/debug=maybe=later", "Debug=YES"});
    EXPECT_EQ(line.ProgPar("Debug", 2), "MAYBE=LATER");
    EXPECT_EQ(line.ProgPar("LibReset", 4), QString());
}

TEST(CommandLineSwitches, NoSplashIsExactAndCaseSensitive)
{
    EXPECT_TRUE(CommandLine({"Debug=YES", "/NS"}).noSplash());
    EXPECT_FALSE(CommandLine({"/ns"}).noSplash());
    EXPECT_FALSE(CommandLine({"//NS"}).noSplash());
    EXPECT_FALSE(CommandLine({"/NS=YES"}).noSplash());
}

TEST(CommandLineSwitches, ScriptPathIsKeptAsTyped)
{
    const CommandLine line({"/NS", "--script=./My Runs/night ly.twk", "Debug=YES"});
    EXPECT_EQ(line.scriptPath(), "./My Runs/night ly.twk");
    // The script switch holds an "=" and must not disturb name=value lookups.
    EXPECT_TRUE(line.switchOn("Debug", 2));
    EXPECT_EQ(CommandLine({"/NS"}).scriptPath(), QString());
}

struct RequestCase
{
    const char* label;
    QStringList parameters;
    tw::StartRequest::Kind kind;
    const char* option;
};

class StartRequestTest : public testing::TestWithParam<RequestCase>
{
};

TEST_P(StartRequestTest, DecidesBeforeTheWindow)
{
    const RequestCase& c = GetParam();
    const tw::StartRequest request = CommandLine(c.parameters).startRequest();
    EXPECT_EQ(request.kind, c.kind);
    EXPECT_EQ(request.option, QString::fromLatin1(c.option));
}

using Kind = tw::StartRequest::Kind;
INSTANTIATE_TEST_SUITE_P(
    StartRequest, StartRequestTest,
    testing::Values(
        RequestCase {"NoParameters", {}, Kind::Run, ""},
        RequestCase {"SwitchesAndNoSplash", {"Debug=YES", "LibR=YES", "/NS"}, Kind::Run, ""},
        RequestCase {"Script", {"/NS", "--script=night.tw"}, Kind::Run, ""},
        RequestCase {"UnknownPlainWordsAreLeftAlone", {"/ns", "-x", "Debugging=YES", "help"}, Kind::Run, ""},
        RequestCase {"Help", {"--help"}, Kind::Help, ""},
        RequestCase {"HelpAmongSwitches", {"Debug=YES", "/NS", "--help"}, Kind::Help, ""},
        RequestCase {"Version", {"--version"}, Kind::Version, ""},
        RequestCase {"FirstOptionDecides", {"--version", "--help"}, Kind::Version, ""},
        RequestCase {"Unknown", {"/NS", "--xyz"}, Kind::UnknownOption, "--xyz"},
        RequestCase {"UnknownBeforeHelp", {"--verbose", "--help"}, Kind::UnknownOption, "--verbose"},
        RequestCase {"HelpBeforeUnknown", {"--help", "--verbose"}, Kind::Help, ""},
        RequestCase {"CaseMatters", {"--Help"}, Kind::UnknownOption, "--Help"},
        RequestCase {"ScriptWithoutEquals", {"--script", "night.tw"}, Kind::UnknownOption, "--script"},
        RequestCase {"SwitchWithDashes", {"--Debug=YES"}, Kind::UnknownOption, "--Debug=YES"},
        RequestCase {"ScriptThenUnknown", {"--script=a.tw", "--dry-run"}, Kind::UnknownOption, "--dry-run"},
        RequestCase {"ScriptWithoutPath", {"/NS", "--script="}, Kind::MissingValue, "--script="},
        RequestCase {"ScriptWithoutPathBeforeHelp", {"--script=", "--help"}, Kind::MissingValue, "--script="}),
    [](const testing::TestParamInfo<RequestCase>& info) { return info.param.label; });

} // namespace
