#include "core/query/AssembleQuery.h"

#include "core/app/DateTimeText.h"
#include "support/GTestQt.h"

#include <functional>
#include <gtest/gtest.h>

using tw::AssembleQuery;
using tw::QueryFields;

namespace {

struct QueryCase
{
    const char* label;
    std::function<void(QueryFields&)> fill;
    const char* expected;
};

class AssembleQueryTest : public testing::TestWithParam<QueryCase>
{
protected:
    void SetUp() override { tw::DateTimeText::setLocaleForTesting(QLocale::c()); }
    void TearDown() override { tw::DateTimeText::resetLocale(); }
};

TEST_P(AssembleQueryTest, BuildsTheExpression)
{
    QueryFields fields;
    GetParam().fill(fields);
    EXPECT_EQ(AssembleQuery(fields), QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    AssembleQuery, AssembleQueryTest,
    testing::Values(
        QueryCase {"EmptyTab", [](QueryFields&) {}, "DOCREFERENCE"},
        QueryCase {"BlankFieldsCountAsEmpty",
                   [](QueryFields& f) {
                       f.subject = "   ";
                       f.author = " ";
                       f.size = " ";
                   },
                   "DOCREFERENCE"},
        QueryCase {"Bounds",
                   [](QueryFields& f) {
                       f.low = "100";
                       f.high = "200";
                   },
                   "DOCREFERENCE AND DOCUMENT_NUMBER >= 100 AND DOCUMENT_NUMBER <= 200"},
        QueryCase {"OneWordSubject", [](QueryFields& f) { f.subject = "Budget"; },
                   "DOCREFERENCE AND SUBJECT CONTAINS \"Budget\""},
        QueryCase {"TwoWordSubject", [](QueryFields& f) { f.subject = "Annual Budget"; },
                   "DOCREFERENCE AND SUBJECT CONTAINS (\"Annual\" AND \"Budget\")"},
        QueryCase {"TwoBlanksGiveAnEmptyWord", [](QueryFields& f) { f.subject = "Annual  Budget"; },
                   "DOCREFERENCE AND SUBJECT CONTAINS (\"Annual\" AND \"\" AND \"Budget\")"},
        QueryCase {"LeadingBlankGivesAnEmptyFirstWord", [](QueryFields& f) { f.subject = " Budget"; },
                   "DOCREFERENCE AND SUBJECT CONTAINS (\"\" AND \"Budget\")"},
        QueryCase {"TrailingBlankAddsNothing", [](QueryFields& f) { f.subject = "Annual Budget "; },
                   "DOCREFERENCE AND SUBJECT CONTAINS (\"Annual\" AND \"Budget\")"},
        QueryCase {"QuotesAreDoubled", [](QueryFields& f) { f.author = "O\"Brien"; },
                   "DOCREFERENCE AND AUTHOR CONTAINS \"O\"\"Brien\""},
        QueryCase {"EveryBlankEndsASubjectWord", [](QueryFields& f) { f.subject = "x\"\tOR\nSUBJECT<>\""; },
                   "DOCREFERENCE AND SUBJECT CONTAINS (\"x\"\"\" AND \"OR\" AND \"SUBJECT<>\"\"\")"},
        QueryCase {"UntrimmedTextIsUsed", [](QueryFields& f) { f.creator = " Ann "; },
                   "DOCREFERENCE AND DOCUMENT_CREATOR CONTAINS \" Ann \""},
        QueryCase {"TypeDatesExtensionSize",
                   [](QueryFields& f) {
                       f.documentType = "Memo";
                       f.createdFrom = "01/02/2024";
                       f.createdTo = "31/12/2024";
                       f.modifiedFrom = "5/6/2025";
                       f.modifiedTo = "06/06/2025";
                       f.extension = "doc";
                       f.sizeOperator = ">=";
                       f.size = "1024";
                   },
                   "DOCREFERENCE AND DOCUMENT_TYPE CONTAINS \"Memo\" AND CREATE_DATE >= 2024/02/01 AND CREATE_DATE <= "
                   "2024/12/31 AND MODIFY_DATE >= 2025/06/05 AND MODIFY_DATE <= 2025/06/06 AND DOCUMENT_FILENAME "
                   "CONTAINS \"doc\" AND SIZE >= 1024"},
        QueryCase {"AdditionalFields",
                   [](QueryFields& f) {
                       f.additional = {{"Client", "Contains", "Acme Ltd", "C"},
                                       {"Region", "Matches", "", "C"},
                                       {"Value", ">=", "5", "N"}};
                   },
                   "DOCREFERENCE AND <Client, STRING> Contains \"Acme Ltd\" AND <Value, NUMERIC> >= 5"}),
    [](const testing::TestParamInfo<QueryCase>& info) { return info.param.label; });

TEST(AssembleQueryDates, UseTheSystemDateSeparator)
{
    tw::DateTimeText::setLocaleForTesting(QLocale(QLocale::German, QLocale::Germany));
    QueryFields fields;
    fields.createdFrom = tw::DateTimeText::formatDate(QDate(2024, 3, 7));
    EXPECT_EQ(AssembleQuery(fields), "DOCREFERENCE AND CREATE_DATE >= 2024.03.07");
    tw::DateTimeText::resetLocale();
}

TEST(AssembleQueryDates, ANonDateIsAnErrorWithItsText)
{
    tw::DateTimeText::setLocaleForTesting(QLocale::c());
    QueryFields fields;
    fields.modifiedTo = "31/13/2024";
    try {
        AssembleQuery(fields);
        FAIL() << "no error";
    } catch (const tw::QueryFieldError& error) {
        EXPECT_EQ(error.message(), "\"31/13/2024\" is not a valid date");
    }
    tw::DateTimeText::resetLocale();
}

} // namespace
