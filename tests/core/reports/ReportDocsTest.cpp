#include "core/reports/ReportDocs.h"

#include "RunFixture.h"
#include "support/GTestQt.h"

namespace {

struct LibraryReportCase
{
    const char* name;
    bool useQuery;
    bool customField; // FKW1: the first six characters of the subject
    QStringList fields;
    const char* expectedFile;
};

void PrintTo(const LibraryReportCase& c, std::ostream* os)
{
    *os << c.name;
}

class LibraryReportTest : public tw::test::RunFixture, public testing::WithParamInterface<LibraryReportCase>
{
};

TEST_P(LibraryReportTest, WritesLibraryRptLineByLine)
{
    const LibraryReportCase& c = GetParam();
    open();
    if (c.customField)
        m_custom.add("Subject", "Start", 6, QString());
    tw::RunInputs inputs;
    inputs.useQuery = c.useQuery;
    inputs.reportDirectory = reportDir();
    inputs.extraFields = c.fields;
    tw::ReportDocs(services()).run(inputs);
    EXPECT_EQ(readLines(reportDir() + "Library.rpt"), expectedLines(c.expectedFile));
    // The line just written is shown in the "Report Output Line" box.
    EXPECT_EQ(m_view.outputs.last(), expectedLines(c.expectedFile).last());
}

INSTANTIATE_TEST_SUITE_P(ReportDocs, LibraryReportTest,
                         testing::Values(LibraryReportCase {"NoFieldsChosen", false, false, {}, "Library_plain.rpt"},
                                         LibraryReportCase {"CustomisedAndStandardFields",
                                                            false,
                                                            true,
                                                            {"Subject", "Author", "FKW1", "Client", "Description"},
                                                            "Library_fields.rpt"},
                                         LibraryReportCase {"QueryHitsOneLineEach",
                                                            true,
                                                            false,
                                                            {"Doc. Status", "Date Last Used", "Original File Type"},
                                                            "Library_query.rpt"}),
                         [](const testing::TestParamInfo<LibraryReportCase>& info) { return info.param.name; });

} // namespace
