#include "core/docinfo/CustomFields.h"

#include "support/GTestQt.h"

#include <gtest/gtest.h>

using tw::CustomFields;

namespace {

struct CutCase
{
    const char* label;
    const char* value;
    const char* type;
    int length;
    const char* excluded;
    const char* expected;
};

class CutTest : public testing::TestWithParam<CutCase>
{
};

TEST_P(CutTest, CutsCleansAndTrims)
{
    const CutCase& c = GetParam();
    EXPECT_EQ(CustomFields::cut(QString::fromUtf8(c.value), QString::fromLatin1(c.type), c.length,
                                QString::fromUtf8(c.excluded)),
              QString::fromUtf8(c.expected));
}

INSTANTIATE_TEST_SUITE_P(
    GetCustGWFieldNames, CutTest,
    testing::Values(CutCase {"StartSeven", "Project Alpha 2024", "Start", 7, "", "Project"},
                    CutCase {"EndFour", "Project Alpha 2024", "End", 4, "", "2024"},
                    CutCase {"MiddleNine", "Project Alpha 2024", "Middle", 9, "", "Alpha 2024"},
                    CutCase {"MiddleOneKeepsAll", "Project Alpha 2024", "Middle", 1, "", "Project Alpha 2024"},
                    CutCase {"MiddlePastTheEnd", "Project", "Middle", 8, "", ""},
                    CutCase {"MiddleAtTheLastCharacter", "Project", "Middle", 7, "", "t"},
                    CutCase {"StartLongerThanValue", "Alpha", "Start", 255, "", "Alpha"},
                    CutCase {"EndLongerThanValue", "Alpha", "End", 9, "", "Alpha"},
                    CutCase {"MiddleFromABlankIsTrimmed", "Project Alpha", "Middle", 8, "", "Alpha"},
                    CutCase {"StartEndingInABlankIsTrimmed", "Project Alpha", "Start", 8, "", "Project"},
                    CutCase {"BlankAndHyphenExcluded", "A-1 B-2 C", "Start", 255, " -", "A1B2C"},
                    CutCase {"ExclusionIgnoresCase", "Xerox box", "Start", 255, "x", "ero bo"},
                    CutCase {"UpperExclusionRemovesLower", "axAX", "Start", 255, "A", "xX"},
                    CutCase {"FirstLetterDecides", "Project Alpha", "Ending", 5, "", "Alpha"},
                    CutCase {"FailureTextIsCutToo", "Subject Failed", "Start", 7, "", "Subject"}),
    [](const testing::TestParamInfo<CutCase>& info) { return info.param.label; });

TEST(CustomFields, ValueComesFromTheSourceFieldOfTheNamedDefinition)
{
    CustomFields fields;
    EXPECT_EQ(fields.add("Subject", "Start", 7, ""), "FKW1");
    EXPECT_EQ(fields.add("Author", "End", 5, ""), "FKW2");
    const auto catalogue
        = [](const QString& name) { return name == "Subject" ? QString("Project Alpha 2024") : QString("Jane Smith"); };
    EXPECT_EQ(fields.GetCustGWFieldNames("FKW1", catalogue), "Project");
    EXPECT_EQ(fields.GetCustGWFieldNames("FKW2", catalogue), "Smith");
    EXPECT_EQ(fields.GetCustGWFieldNames("FKW3", catalogue), "");
    EXPECT_EQ(fields.GetCustGWFieldNames("Subject", catalogue), "") << "catalogue names are not customised fields";
}

TEST(CustomFields, RemovingTheFirstRenumbersTheRest)
{
    CustomFields fields;
    fields.add("Subject", "Start", 1, "");
    fields.add("Author", "Middle", 2, "x");
    fields.add("Doc. Type", "End", 3, "");
    const CustomFields::Renames renames = fields.remove(0);
    ASSERT_EQ(fields.definitions().size(), 2);
    EXPECT_EQ(fields.definitions()[0].name, "FKW1");
    EXPECT_EQ(fields.definitions()[0].source, "Author");
    EXPECT_EQ(fields.definitions()[0].excluded, "x");
    EXPECT_EQ(fields.definitions()[1].name, "FKW2");
    EXPECT_EQ(fields.definitions()[1].source, "Doc. Type");
    const CustomFields::Renames expected {{"FKW2", "FKW1"}, {"FKW3", "FKW2"}};
    EXPECT_EQ(renames, expected);
    EXPECT_EQ(fields.add("Library", "Start", 4, ""), "FKW3");
}

TEST(CustomFields, RemovingTheLastRenamesNothingAndABadIndexIsIgnored)
{
    CustomFields fields;
    fields.add("Subject", "Start", 1, "");
    fields.add("Author", "Start", 1, "");
    EXPECT_TRUE(fields.remove(5).isEmpty());
    EXPECT_TRUE(fields.remove(1).isEmpty());
    ASSERT_EQ(fields.definitions().size(), 1);
    EXPECT_EQ(fields.definitions()[0].name, "FKW1");
}

} // namespace
