#include "support/GTestQt.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace {

struct AnswerCase
{
    const char* label;
    QStringList parameters;
    int code;
    const char* out; // what standard output starts with; empty: nothing at all
    const char* err; // the same for standard error
};

class ProgramAnswerTest : public testing::TestWithParam<AnswerCase>
{
};

// The real program, with no display and no platform chosen: it must answer
// these before it needs the window system.
TEST_P(ProgramAnswerTest, AnswersWithoutADisplay)
{
    const AnswerCase& c = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(TARNWICK_EXE), c.parameters);
    ASSERT_TRUE(program.waitForFinished(30000));
    const QString out = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString err = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), c.code) << err.toStdString();
    EXPECT_TRUE(*c.out ? out.startsWith(QString::fromLatin1(c.out)) : out.isEmpty()) << out.toStdString();
    EXPECT_TRUE(*c.err ? err.startsWith(QString::fromLatin1(c.err)) : err.isEmpty()) << err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Program, ProgramAnswerTest,
    testing::Values(AnswerCase {"Help", {"--help"}, 0, "usage: tarnwick [Debug=YES] [LibReset=YES] [/NS]", ""},
                    AnswerCase {"HelpAfterSwitches", {"Debug=YES", "/NS", "--help"}, 0, "usage: tarnwick ", ""},
                    AnswerCase {"Version", {"--version"}, 0, "Tarnwick (" TARNWICK_VERSION ")\n", ""},
                    AnswerCase {"Unknown", {"--xyz"}, 2, "", "tarnwick: unknown option --xyz\nusage: tarnwick "},
                    AnswerCase {"UnknownAfterSwitches",
                                {"LibReset=YES", "/NS", "--nosplash"},
                                2,
                                "",
                                "tarnwick: unknown option --nosplash\nusage: tarnwick "},
                    AnswerCase {"ScriptWithoutPath",
                                {"/NS", "--script="},
                                2,
                                "",
                                "tarnwick: option --script= needs a value\nusage: tarnwick "}),
    [](const testing::TestParamInfo<AnswerCase>& info) { return info.param.label; });

} // namespace
