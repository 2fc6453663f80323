#include "core/query/QueryChecks.h"

#include "core/app/DateTimeText.h"
#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

struct BoundCase
{
    const char* label;
    bool lowField;
    const char* text;
    const char* other;
    const char* result;
    bool assemble;
    const char* status;
};

class BoundTest : public testing::TestWithParam<BoundCase>
{
};

TEST_P(BoundTest, ChecksTheBound)
{
    const BoundCase& c = GetParam();
    const tw::FieldCheck check
        = c.lowField ? tw::checkLowBound(c.text, c.other, 500) : tw::checkHighBound(c.text, c.other);
    EXPECT_EQ(check.text, QString::fromLatin1(c.result));
    EXPECT_EQ(check.assemble, c.assemble);
    EXPECT_EQ(check.status, QString::fromLatin1(c.status));
}

INSTANTIATE_TEST_SUITE_P(
    FieldExit, BoundTest,
    testing::Values(BoundCase {"LowEmptyDoesNothing", true, "", "100", "", false, ""},
                    BoundCase {"LowNotANumberIsEmptied", true, "1x", "", "", false, ""},
                    BoundCase {"LowRewritten", true, "0042", "100", "42", true, ""},
                    BoundCase {"LowEqualToHigh", true, "100", "100", "100", true, ""},
                    BoundCase {"LowAboveHigh", true, "101", "100", "", false, "Low Limit greater than High Limit"},
                    BoundCase {"LowAboveHighestWhenHighEmpty", true, "501", "", "", false,
                               "Low Limit greater than High Limit"},
                    BoundCase {"LowAgainstHighestWhenHighBad", true, "500", "zz", "500", true, ""},
                    BoundCase {"HighEmptyDoesNothing", false, " ", "5", " ", false, ""},
                    BoundCase {"HighNotANumberIsEmptied", false, "abc", "", "", false, ""},
                    BoundCase {"HighEqualToLow", false, "100", "100", "100", true, ""},
                    BoundCase {"HighBelowLow", false, "99", "100", "", false, "High Limit less than Low Limit"},
                    BoundCase {"HighWithBadLowUsesZero", false, "007", "x", "7", true, ""}),
    [](const testing::TestParamInfo<BoundCase>& info) { return info.param.label; });

TEST(FieldExit, DatesAndSizes)
{
    tw::DateTimeText::setLocaleForTesting(QLocale::c());
    EXPECT_EQ(tw::checkDateField("1/2/2024").text, "01/02/2024");
    EXPECT_TRUE(tw::checkDateField("1/2/2024").assemble);
    EXPECT_EQ(tw::checkDateField("30/02/2024").text, "");
    EXPECT_FALSE(tw::checkDateField("").assemble);
    EXPECT_EQ(tw::checkIntegerField("0100").text, "100");
    EXPECT_EQ(tw::checkIntegerField("1e3").text, "");
    tw::DateTimeText::resetLocale();
}

struct RangeCase
{
    const char* label;
    const char* low;
    const char* high;
    qint64 expectedLow;
    qint64 expectedHigh;
    bool given;
    const char* lowAfter;
    const char* highAfter;
};

class RangeTest : public testing::TestWithParam<RangeCase>
{
};

TEST_P(RangeTest, ReadsTheRange)
{
    const RangeCase& c = GetParam();
    const tw::DocumentRange range = tw::CheckRange(c.low, c.high, 1201);
    EXPECT_EQ(range.low, c.expectedLow);
    EXPECT_EQ(range.high, c.expectedHigh);
    EXPECT_EQ(range.RangeGiven, c.given);
    EXPECT_EQ(range.lowText, QString::fromLatin1(c.lowAfter));
    EXPECT_EQ(range.highText, QString::fromLatin1(c.highAfter));
}

INSTANTIATE_TEST_SUITE_P(CheckRange, RangeTest,
                         testing::Values(RangeCase {"BothEmpty", "", "", 1, 1200, false, "", ""},
                                         RangeCase {"OnlyHigh", "", "500", 1, 500, true, "", "500"},
                                         RangeCase {"OnlyLow", "0042", "", 42, 1200, true, "42", ""},
                                         RangeCase {"BadLow", "abc", "", 1, 1200, false, "", ""},
                                         RangeCase {"BadLowValidHigh", "abc", "9", 1, 9, true, "", "9"},
                                         RangeCase {"BadHigh", "5", "x5", 5, 1200, true, "5", ""},
                                         RangeCase {"Both", "10", "20", 10, 20, true, "10", "20"}),
                         [](const testing::TestParamInfo<RangeCase>& info) { return info.param.label; });

} // namespace
