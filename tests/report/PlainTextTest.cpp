#include "report/PlainText.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

using namespace tw::report;

struct WidthCase
{
    const char* name;
    const char16_t* text;
    int columns;
};

// East Asian Width and Emoji_Presentation as Unicode gives them; one row per kind of character.
const WidthCase kWidths[] = {
    {"ascii", u"Ann Archer", 10},
    {"empty", u"", 0},
    {"latin with umlaut", u"M\u00fcller", 6},
    {"combining acute", u"Cafe\u0301", 4},
    {"combining mark alone", u"\u0301", 0},
    {"cjk ideographs", u"\u65e5\u672c\u8a9e", 6},
    {"hangul syllables", u"\ud55c\uad6d", 4},
    {"hangul jamo", u"\u1100\u1161\u11a8", 2},
    {"fullwidth latin", u"\uff21\uff22", 4},
    {"halfwidth katakana", u"\uff76\uff80", 2},
    {"emoji", u"\U0001F600", 2},
    {"emoji with skin tone", u"\U0001F44D\U0001F3FD", 2},
    {"family joined by zwj", u"\U0001F468\u200D\U0001F469\u200D\U0001F467", 2},
    {"flag", u"\U0001F1E9\U0001F1EA", 2},
    {"heart as emoji", u"\u2764\uFE0F", 2},
    {"heart as text", u"\u2764", 1},
    {"mixed", u"A\u65e5 \U0001F600!", 7},
};

TEST(PlainTextTest, DisplayWidthCountsColumnsAsAFixedPitchViewShowsThem)
{
    for (const WidthCase& c : kWidths)
        EXPECT_EQ(displayWidth(QString::fromUtf16(c.text)), c.columns) << c.name;
}

TEST(PlainTextTest, OneLineWritesEveryBreakAndControlAsOneBlank)
{
    const std::pair<const char16_t*, const char16_t*> cases[] = {
        {u"plain text", u"plain text"},
        {u"two\nlines", u"two lines"},
        {u"two\r\nlines", u"two lines"},
        {u"two\rlines", u"two lines"},
        {u"a\r\n\r\nb", u"a  b"},
        {u"tab\there", u"tab here"},
        {u"form\ffeed\vvertical", u"form feed vertical"},
        {u"next\u0085line", u"next line"},
        {u"line\u2028para\u2029end", u"line para end"},
        {u"ends\n", u"ends "},
        {u"\u65e5\n\U0001F600", u"\u65e5 \U0001F600"},
    };
    for (const auto& [text, line] : cases)
        EXPECT_EQ(oneLine(QString::fromUtf16(text)), QString::fromUtf16(line))
            << QString::fromUtf16(text).toStdString();
}

} // namespace
