#include "core/strays/StrayName.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

struct NameCase
{
    const char* name;
    qint64 number; // 0: not a library file's name
    const char* version;
};

class StrayNameTest : public testing::TestWithParam<NameCase>
{
};

TEST_P(StrayNameTest, ReadsTheNumberAndTheVersionOrIgnoresTheName)
{
    const NameCase& c = GetParam();
    const auto parsed = tw::StrayName::parse(QString::fromUtf8(c.name));
    if (c.number == 0) {
        EXPECT_FALSE(parsed) << c.name;
        return;
    }
    ASSERT_TRUE(parsed) << c.name;
    EXPECT_EQ(parsed->number, c.number);
    EXPECT_EQ(parsed->versionText, c.version);
    EXPECT_EQ(parsed->official, QString(c.version) == "O");
}

INSTANTIATE_TEST_SUITE_P(Names, StrayNameTest,
                         testing::Values(NameCase {"1234-2.doc", 1234, "2"}, NameCase {"1234v2.doc", 1234, "2"},
                                         NameCase {"1234v2", 1234, "2"}, NameCase {"1234-C.doc", 1234, "O"},
                                         NameCase {"1234-c.DOC", 1234, "O"}, NameCase {"1234-2.", 1234, "2"},
                                         NameCase {"1234-2.tar.gz", 1234, "2"}, NameCase {"7Z12.x", 7, "12"},
                                         NameCase {"01234-2.doc", 0, ""}, NameCase {"1234-02.doc", 0, ""},
                                         NameCase {"1234_2.doc", 0, ""}, NameCase {"1234-2a.doc", 0, ""},
                                         NameCase {"1234-C2.doc", 0, ""}, NameCase {"1234.doc", 0, ""},
                                         NameCase {"1234-C", 0, ""}, NameCase {"1234-", 0, ""},
                                         NameCase {"1234", 0, ""}, NameCase {"", 0, ""},
                                         NameCase {"12 34-1.doc", 0, ""}, NameCase {"1234 -1.doc", 0, ""},
                                         NameCase {"1234é2.doc", 0, ""}, NameCase {"١٢٣-1.doc", 0, ""},
                                         NameCase {"1234-١.doc", 0, ""}, NameCase {"99999999999999999999-1.doc", 0, ""},
                                         NameCase {"9223372036854775807-1.doc", 9223372036854775807LL, "1"}));

} // namespace
