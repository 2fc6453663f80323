#include "core/script/Script.h"

#include "support/GTestQt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct SplitCase
{
    const char* line;
    QStringList words;
};

class ScriptSplitTest : public ::testing::TestWithParam<SplitCase>
{
};

TEST_P(ScriptSplitTest, SplitsIntoWords)
{
    EXPECT_EQ(tw::Script::split(QString::fromUtf8(GetParam().line)), GetParam().words);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ScriptSplitTest,
    ::testing::Values(SplitCase {"click BReport", {"click", "BReport"}},
                      SplitCase {"  set\tEdit2   Beta  ", {"set", "Edit2", "Beta"}},
                      SplitCase {"set Edit2 \"two words\"", {"set", "Edit2", "two words"}},
                      SplitCase {"set Edit2 \"\"", {"set", "Edit2", ""}},
                      SplitCase {"set Edit2 \"say \"\"hi\"\"\"", {"set", "Edit2", "say \"hi\""}},
                      SplitCase {"set Edit2 \"a # b\" # the rest is a comment", {"set", "Edit2", "a # b"}},
                      SplitCase {"set Edit2 C#", {"set", "Edit2", "C#"}}, SplitCase {"# only a comment", {}},
                      SplitCase {"", {}},
                      SplitCase {"menu \"Options/Short Filename\"", {"menu", "Options/Short Filename"}}));

struct FaultCase
{
    const char* text;
    const char* message; // the whole error, file name "nightly.tw"
};

class ScriptFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

TEST_P(ScriptFaultTest, NamesFileLineAndReason)
{
    try {
        tw::Script::parse(QStringLiteral("nightly.tw"), QString::fromUtf8(GetParam().text));
        FAIL() << "accepted: " << GetParam().text;
    } catch (const tw::ScriptError& error) {
        EXPECT_EQ(error.message(), QString::fromUtf8(GetParam().message));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, ScriptFaultTest,
    ::testing::Values(
        FaultCase {"tab Reporter\nfrobnicate now\n", "nightly.tw:2: frobnicate now: unknown command \"frobnicate\""},
        FaultCase {"# head\n\nset Edit2 two words\n",
                   "nightly.tw:3: set Edit2 two words: wrong number of arguments; usage: set NAME TEXT (quote a text "
                   "that holds blanks)"},
        FaultCase {"quit now",
                   "nightly.tw:1: quit now: wrong number of arguments; usage: quit (quote a text that "
                   "holds blanks)"},
        FaultCase {"set Edit2 \"open", "nightly.tw:1: set Edit2 \"open: a quoted text is not closed"},
        FaultCase {"set Edit2 \"a\"b", "nightly.tw:1: set Edit2 \"a\"b: a closing quote must be followed by a blank"},
        FaultCase {"answer maybe", "nightly.tw:1: answer maybe: the answer must be ok, cancel, yes or no"},
        FaultCase {"date 31/12/2026",
                   "nightly.tw:1: date 31/12/2026: \"31/12/2026\" is not a date of the form "
                   "YYYY-MM-DD"},
        FaultCase {"date 2026-02-30",
                   "nightly.tw:1: date 2026-02-30: \"2026-02-30\" is not a date of the form "
                   "YYYY-MM-DD"},
        FaultCase {"options yes", "nightly.tw:1: options yes: the options answer starts with ok or cancel"},
        FaultCase {"options ok CBJoliet", "nightly.tw:1: options ok CBJoliet: \"CBJoliet\" is not +BOX or -BOX"},
        FaultCase {"wait 0", "nightly.tw:1: wait 0: \"0\" is not a number of seconds above 0"},
        FaultCase {"wait soon", "nightly.tw:1: wait soon: \"soon\" is not a number of seconds above 0"},
        FaultCase {"sleep -5", "nightly.tw:1: sleep -5: \"-5\" is not a number of milliseconds"},
        FaultCase {"menu Options",
                   "nightly.tw:1: menu Options: a menu path names the menu and the item, as "
                   "\"Options/Short Filename\""},
        FaultCase {"menu \"Options/\"",
                   "nightly.tw:1: menu \"Options/\": a menu path names the menu and the item, "
                   "as \"Options/Short Filename\""}));

TEST(ScriptTest, KeepsLinesWithTheirNumbersAndCommandsInLowerCase)
{
    const tw::Script script = tw::Script::parse(QStringLiteral("s.tw"),
                                                QStringLiteral("# nightly report\r\nLIBRARY Projects\r\n\r\n"
                                                               "  wait\r\noptions ok +CBShortName -CBJoliet\r\n"));
    ASSERT_EQ(script.lines().size(), 3);
    const tw::ScriptLine& first = script.lines().at(0);
    EXPECT_EQ(first.number, 2);
    EXPECT_EQ(first.command, QStringLiteral("library"));
    EXPECT_EQ(first.arguments, QStringList {QStringLiteral("Projects")});
    EXPECT_EQ(first.text, QStringLiteral("LIBRARY Projects"));
    EXPECT_EQ(script.lines().at(1).number, 4);
    EXPECT_EQ(script.lines().at(1).text, QStringLiteral("wait"));
    EXPECT_EQ(script.lines().at(2).arguments.size(), 3);
    EXPECT_EQ(script.failure(script.lines().at(1), QStringLiteral("late")), QStringLiteral("s.tw:4: wait: late"));
}

// A NUL would end the printed failure where it stands: the line and the reason show it escaped.
TEST(ScriptTest, AFailureShowsControlCharactersEscaped)
{
    const QString text = QStringLiteral("frob") + QChar(0) + QStringLiteral("nicate\x01 now");
    try {
        tw::Script::parse(QStringLiteral("nightly.tw"), text);
        FAIL() << "accepted a line with a NUL";
    } catch (const tw::ScriptError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral("nightly.tw:1: frob\\x00nicate\\x01 now: unknown command \"frob\\x00nicate\\x01\""));
    }
}

TEST(ScriptTest, UnreadableFileIsAnError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing.tw"));
    try {
        tw::Script::fromFile(path);
        FAIL() << "read a missing file";
    } catch (const tw::ScriptError& error) {
        EXPECT_TRUE(error.message().startsWith(path + QStringLiteral(": cannot read the script: ")))
            << error.message().toStdString();
    }
}

} // namespace
