#include "store/salvage/DosName.h"

#include <cctype>
#include <gtest/gtest.h>

namespace {

struct DosNameCase
{
    const char* name;
    bool valid;
    const char* shown;
};

class DosNameTest : public ::testing::TestWithParam<DosNameCase>
{
};

TEST_P(DosNameTest, ValidityAndShownName)
{
    const auto& c = GetParam();
    EXPECT_EQ(store::DosName::isValid(QString::fromUtf8(c.name)), c.valid);
    EXPECT_EQ(store::DosName::forName(QString::fromUtf8(c.name)), QString::fromUtf8(c.shown));
}

INSTANTIATE_TEST_SUITE_P(
    Names, DosNameTest,
    ::testing::Values(DosNameCase {"0A1B2C3D.DOC", true, "0A1B2C3D.DOC"},
                      DosNameCase {"report.txt", true, "REPORT.TXT"}, DosNameCase {"README", true, "README"},
                      DosNameCase {"ABCDEFGHI.TXT", false, "ABCDEF~1.TXT"},
                      DosNameCase {"Quarterly report.docx", false, "QUARTE~1.DOC"},
                      DosNameCase {"a.b.c", false, "AB~1.C"}, DosNameCase {"name.", false, "NAME~1"},
                      DosNameCase {".hidden", false, "HIDDEN~1"}, DosNameCase {"x*y.txt", false, "XY~1.TXT"},
                      DosNameCase {"", false, "FILE~1"}),
    [](const auto& info) {
        std::string label = "n" + std::to_string(info.index) + "_";
        for (const char* p = info.param.name; *p; ++p)
            label += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
        return label;
    });

} // namespace
