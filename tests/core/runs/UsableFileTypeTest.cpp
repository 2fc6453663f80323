#include "core/runs/UsableFileType.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

namespace {

TEST(UsableFileTypeTest, RefusesWhatCouldLeadOutOfADirectoryOrSplitALine)
{
    const struct
    {
        const char* type;
        bool usable;
    } cases[] = {
        {"doc", true},   {"", true},      {"tar.gz", true},  {"/../../escape", false},
        {"..", false},   {"a/b", false},  {"a\\b", false},   {"t\tx", false},
        {"t\rx", false}, {"t\nx", false}, {"t\x01x", false}, {"t\x7fx", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(tw::isUsableFileType(QString::fromLatin1(c.type)), c.usable) << c.type;
}

} // namespace
