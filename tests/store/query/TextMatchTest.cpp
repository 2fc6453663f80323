#include "store/query/TextMatch.h"

#include <gtest/gtest.h>

namespace {

struct WildcardCase
{
    const char* value;
    const char* pattern;
    bool matches;
};

void PrintTo(const WildcardCase& c, std::ostream* os)
{
    *os << c.value << " / " << c.pattern;
}

class Wildcard : public testing::TestWithParam<WildcardCase>
{
};

TEST_P(Wildcard, MatchesTheWholeValueIgnoringCase)
{
    const WildcardCase& c = GetParam();
    EXPECT_EQ(store::TextMatch::matches(QString::fromUtf8(c.value), QString::fromUtf8(c.pattern)), c.matches)
        << c.value << " / " << c.pattern;
}

INSTANTIATE_TEST_SUITE_P(
    Query, Wildcard,
    testing::Values(WildcardCase {"John Smith", "john smith", true}, WildcardCase {"John Smith", "John", false},
                    WildcardCase {"John Smith", "John*", true}, WildcardCase {"John Smith", "*smith", true},
                    WildcardCase {"John Smith", "*oh*mi*", true}, WildcardCase {"John Smith", "*x*", false},
                    WildcardCase {"aaab", "*ab", true}, WildcardCase {"abab", "*ab*ab", true},
                    WildcardCase {"abc", "a**c", true}, WildcardCase {"", "*", true}, WildcardCase {"", "", true},
                    WildcardCase {"x", "", false}, WildcardCase {"Ölmann", "öL*", true},
                    WildcardCase {"a.b", "a?b", false}));

} // namespace
