#include "store/directory/DirectoryName.h"

#include <gtest/gtest.h>

namespace {

struct ResolveCase
{
    const char* label;
    const char* name;
    const char* context;
    const char* resolved; // nullptr: malformed
};

class DirectoryNameResolveTest : public ::testing::TestWithParam<ResolveCase>
{
};

TEST_P(DirectoryNameResolveTest, ResolvesAgainstContext)
{
    const auto& c = GetParam();
    const auto resolved = store::DirectoryName::resolve(c.name, c.context);
    if (!c.resolved) {
        EXPECT_FALSE(resolved.has_value()) << resolved.value_or(QString()).toStdString();
        return;
    }
    ASSERT_TRUE(resolved.has_value());
    EXPECT_EQ(*resolved, QString(c.resolved));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DirectoryNameResolveTest,
    ::testing::Values(
        ResolveCase {"RelativePlain", "ADMIN", "OU=Staff.O=Tarnwick", "ADMIN.Staff.Tarnwick"},
        ResolveCase {"RelativeTyped", "CN=ADMIN", "OU=Staff.O=Tarnwick", "ADMIN.Staff.Tarnwick"},
        ResolveCase {"TypedEndingInOrganisation", "CN=DOM.OU=GW.O=Tarnwick", "OU=Staff.O=Tarnwick", "DOM.GW.Tarnwick"},
        ResolveCase {"TypelessStaysRelative", "DOM.GW.Tarnwick", "O=Org", "DOM.GW.Tarnwick.Org"},
        ResolveCase {"Distinguished", ".CN=DOM.OU=GW.O=Tarnwick", "OU=Staff.O=Tarnwick", "DOM.GW.Tarnwick"},
        ResolveCase {"TrailingDotClimbs", "CN=PO1.OU=GW.", "OU=Staff.O=Tarnwick", "PO1.GW.Tarnwick"},
        ResolveCase {"ClimbAboveRoot", "X...", "O=Tarnwick", nullptr},
        ResolveCase {"EmptyContext", "CN=DOM.O=Org", "", "DOM.Org"},
        ResolveCase {"EmptyComponent", "A..B", "O=Org", nullptr},
        ResolveCase {"TypeWithoutValue", "CN=.O=Org", "", nullptr}, ResolveCase {"Empty", "  ", "O=Org", nullptr}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(DirectoryNameTest, SameIgnoresCaseTypesAndLeadingDot)
{
    EXPECT_TRUE(store::DirectoryName::same("CN=Dom.OU=GW.O=Org", ".dom.gw.ORG"));
    EXPECT_FALSE(store::DirectoryName::same("CN=Dom.OU=GW.O=Org", "Dom.GW"));
    EXPECT_FALSE(store::DirectoryName::same("A..B", "A..B"));
}

} // namespace
