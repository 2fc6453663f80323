#include "core/app/EscapedText.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

struct EscapeCase
{
    const char* label;
    QByteArray bytes;
    const char* shown;
    bool plain;
};

void PrintTo(const EscapeCase& c, std::ostream* os)
{
    *os << c.label;
}

class EscapedTextTest : public testing::TestWithParam<EscapeCase>
{
};

// Names as a folder may hold them: each is shown on one line, and only a plain one is text that
// names the file again.
TEST_P(EscapedTextTest, ShowsEveryNameOnOneReadableLine)
{
    const EscapeCase& c = GetParam();
    EXPECT_EQ(tw::EscapedText::of(c.bytes), QString::fromUtf8(c.shown));
    EXPECT_EQ(tw::EscapedText::isPlain(c.bytes), c.plain);
}

INSTANTIATE_TEST_SUITE_P(Names, EscapedTextTest,
                         testing::Values(EscapeCase {"Plain", "1234_2.doc", "1234_2.doc", true},
                                         EscapeCase {"Accents",
                                                     "Gr\xC3\xB6\xC3\x9F"
                                                     "e \xE2\x82\xAC.doc",
                                                     "Gr\xC3\xB6\xC3\x9F"
                                                     "e \xE2\x82\xAC.doc",
                                                     true},
                                         EscapeCase {"Astral", "\xF0\x9F\x93\x84.txt", "\xF0\x9F\x93\x84.txt", true},
                                         EscapeCase {"LineEnds", "5_1\r\n.txt", "5_1\\r\\n.txt", false},
                                         EscapeCase {"TabAndNul", QByteArray("a\tb\0c", 5), "a\\tb\\x00c", false},
                                         EscapeCase {"Escape", "\x1B[2Jx", "\\x1B[2Jx", false},
                                         EscapeCase {"NextLineControl",
                                                     "a\xC2\x85"
                                                     "b",
                                                     "a\\xC2\\x85b", false},
                                         EscapeCase {"Latin1Byte", "caf\xE9.doc", "caf\\xE9.doc", false},
                                         EscapeCase {"Overlong",
                                                     "\xC0\xAF"
                                                     "x",
                                                     "\\xC0\\xAFx", false},
                                         EscapeCase {"Surrogate", "\xED\xA0\x80", "\\xED\\xA0\\x80", false},
                                         EscapeCase {"CutSequence", "x\xE2\x82", "x\\xE2\\x82", false},
                                         EscapeCase {"ReplacementCharacterItself", "\xEF\xBF\xBD", "\xEF\xBF\xBD",
                                                     true}),
                         [](const testing::TestParamInfo<EscapeCase>& info) { return std::string(info.param.label); });

} // namespace
