#include "core/rights/RightsMask.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

using tw::RightsBoxes;

struct DecodeCase
{
    int mask;
    const char* text;
};

class DecodeRightsTest : public testing::TestWithParam<DecodeCase>
{
};

TEST_P(DecodeRightsTest, GivesTheWordsInTheFixedOrder)
{
    EXPECT_EQ(tw::DecodeRights(GetParam().mask), QString::fromLatin1(GetParam().text));
}

INSTANTIATE_TEST_SUITE_P(Masks, DecodeRightsTest,
                         testing::Values(DecodeCase {47, "View, Edit, Delete, Share, Modify Security"},
                                         DecodeCase {63, "View, Edit, Delete, Share, Modify Security"},
                                         DecodeCase {6, "View, Edit"}, DecodeCase {1, "Delete"},
                                         DecodeCase {40, "Share, Modify Security"}, DecodeCase {0, "Denied"},
                                         DecodeCase {16, "Denied"}, DecodeCase {64 + 16, "Denied"},
                                         DecodeCase {39, "View, Edit, Delete, Share"}));

TEST(RightsLevelTest, LowerEqualAndHigherThanTheOfficialNumber)
{
    EXPECT_EQ(tw::versionLevel(1, 2), tw::RightsLevel::Other);
    EXPECT_EQ(tw::versionLevel(2, 2), tw::RightsLevel::Official);
    EXPECT_EQ(tw::versionLevel(3, 2), tw::RightsLevel::Current);
    EXPECT_EQ(tw::levelWord(tw::RightsLevel::Other), "Other");
    EXPECT_EQ(tw::levelWord(tw::RightsLevel::Current), "Current");
}

struct CouplingCase
{
    RightsBoxes ticked;
    RightsBoxes enabled;
};

class RightsCheckTest : public testing::TestWithParam<CouplingCase>
{
};

// Every box is enabled exactly when its own tick equals whether any box is ticked.
TEST_P(RightsCheckTest, EnablesTheBoxesAsTheTicksSay)
{
    EXPECT_EQ(tw::RightsCheck(GetParam().ticked), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, RightsCheckTest,
    testing::Values(CouplingCase {{false, false, false, false, false}, {true, true, true, true, true}},
                    CouplingCase {{false, false, false, true, false}, {false, false, false, true, false}},
                    CouplingCase {{true, true, false, false, true}, {true, true, false, false, true}}));

TEST(RightsBoxesTest, MaskAndBoxesGoBothWays)
{
    EXPECT_EQ(tw::maskOf({true, true, true, true, true}), 47);
    EXPECT_EQ(tw::maskOf({false, false, false, true, true}), 40);
    const RightsBoxes fromMask = tw::boxesOf(6 + 16);
    EXPECT_EQ(fromMask, (RightsBoxes {true, true, false, false, false}));
    EXPECT_EQ(tw::boxesOf(0), (RightsBoxes {}));
}

} // namespace
