#include "core/runs/DirectoryField.h"

#include "support/GTestQt.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using tw::DirectoryField;

namespace {

struct ExitCase
{
    const char* name;
    QString text; // "${DIR}" stands for an existing directory
    QString expectedText;
    bool enabled;
    bool showMissing;
};

void PrintTo(const ExitCase& c, std::ostream* os)
{
    *os << c.name;
}

class DirectoryExitTest : public testing::TestWithParam<ExitCase>
{
};

TEST_P(DirectoryExitTest, ChecksTheDirectoryWhenTheFieldIsLeft)
{
    QTemporaryDir dir;
    const ExitCase& c = GetParam();
    QString text = c.text;
    QString expected = c.expectedText;
    text.replace("${DIR}", dir.path());
    expected.replace("${DIR}", dir.path());
    const DirectoryField::ExitResult result = DirectoryField::exitCheck(text);
    EXPECT_EQ(result.text, expected);
    EXPECT_EQ(result.enabled, c.enabled);
    EXPECT_EQ(result.showMissing, c.showMissing);
}

INSTANTIATE_TEST_SUITE_P(DirectoryField, DirectoryExitTest,
                         testing::Values(ExitCase {"EmptyStaysDisabled", "", "", false, false},
                                         ExitCase {"BlanksStayDisabledAndUntouched", "  ", "  ", false, false},
                                         ExitCase {"ExistingGetsItsSeparator", "${DIR}", "${DIR}/", true, false},
                                         ExitCase {"SeparatorNotDoubled", "${DIR}/", "${DIR}/", true, false},
                                         ExitCase {"MissingIsEmptiedWithTheMessage", "${DIR}/nowhere", "", false,
                                                   true}),
                         [](const testing::TestParamInfo<ExitCase>& info) { return info.param.name; });

TEST(DirectoryField, PickerStartsAtABareDriveWithItsSeparator)
{
    EXPECT_EQ(DirectoryField::pickerStart("C:"), "C:/");
    EXPECT_EQ(DirectoryField::pickerStart("/tmp"), "/tmp");
    EXPECT_EQ(DirectoryField::pickerStart(""), "");
}

} // namespace
