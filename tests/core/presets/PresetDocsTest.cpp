#include "core/presets/PresetDocs.h"

#include "PresetFixture.h"
#include "core/lists/RowTexts.h"
#include "core/presets/PresetText.h"
#include "support/GTestQt.h"

namespace {

class PresetDocsTest : public tw::test::PresetFixture
{
protected:
    tw::RunOutcome run(const QString& preset, bool useQuery = false, const QString& directory = QString())
    {
        tw::PresetInputs in;
        in.run.useQuery = useQuery;
        in.run.reportDirectory = directory.isNull() ? reportDir() : directory;
        in.presetText = preset;
        return tw::PresetDocs(services(), m_rows).PresetDocsRun(in);
    }
    // The listed versions as "number/version".
    QStringList listed() const
    {
        QStringList found;
        for (const tw::ResultRow& row : m_rows.rows)
            found.append(row.texts.at(0).trimmed() + '/' + row.texts.at(1));
        return found;
    }
    QStringList reportBody() { return readLines(reportDir() + "Presets.rpt").mid(6); }

    tw::test::RowRecorder m_rows;
};

struct PresetCase
{
    const char* preset;
    QStringList listed;
    const char* fourthColumn;
};

class PresetTableTest : public PresetDocsTest, public testing::WithParamInterface<PresetCase>
{
};

TEST_P(PresetTableTest, ListsTheVersionsThatMeetThePreset)
{
    const PresetCase& c = GetParam();
    open();
    m_rows.addRow({});
    run(QString::fromUtf8(c.preset));
    EXPECT_EQ(listed(), c.listed);
    EXPECT_EQ(m_rows.clears, 1) << "the list is emptied first";
    EXPECT_EQ(m_rows.caption, c.fourthColumn);
    // Every listed row is in the file, missing-number rows never; the list keeps a TAB in a
    // value (document 5's subject), the file has a blank in its place.
    QStringList lines;
    for (const tw::ResultRow& row : m_rows.rows) {
        if (row.texts.at(2) == "Unknown")
            continue;
        QStringList cells = row.texts + QStringList {row.hidden};
        for (QString& cell : cells)
            cell.replace('\t', ' ');
        lines.append(cells.join('\t'));
    }
    EXPECT_EQ(reportBody(), lines);
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_EQ(m_view.statuses.last(), "Preset Report Completed");
}

INSTANTIATE_TEST_SUITE_P(Presets, PresetTableTest,
                         testing::Values(PresetCase {"1 - No Subject", {"5/1"}, "Author"},
                                         PresetCase {"2 - Archived", {"8/4"}, "Author"},
                                         PresetCase {"3 - Checked Out", {"8/1", "8/3"}, "Modifier"},
                                         PresetCase {"4 - In Use (All)", {"8/1", "8/2", "8/3"}, "Modifier"},
                                         PresetCase {"5 - In Use (Only)", {"8/1", "8/2"}, "Modifier"},
                                         PresetCase {"6 - Missing Numbers", {"3/1", "6/1", "7/1"}, "Author"},
                                         PresetCase {"7 - No BLOB File", {"8/5"}, "Author"},
                                         PresetCase {"8 - Not Shared", {"10/1"}, "Author"},
                                         PresetCase {"9 - Information",
                                                     {"1/1", "1/2", "2/1", "4/1", "5/1", "8/1", "8/2", "8/3", "8/4",
                                                      "8/5", "9/1", "10/1", "10/2"},
                                                     "Author"}),
                         [](const testing::TestParamInfo<PresetCase>& info) {
                             return "preset" + std::string(1, info.param.preset[0]);
                         });

// The whole file and the rows' values, for the preset that lists everything.
TEST_F(PresetDocsTest, WritesTheReportFileAndTheRowValues)
{
    open();
    run("3 - Checked Out");
    ASSERT_EQ(m_rows.rows.size(), 2u);
    EXPECT_EQ(m_rows.rows[0].texts, (QStringList {"       8", "1", "Flags", "Carol Cook", "In Use", "02/01/2026"}));
    EXPECT_EQ(m_rows.rows[0].hidden, "In Library");
    EXPECT_EQ(m_rows.rows[1].texts.at(3), "") << "never retrieved: no modifier";
    EXPECT_EQ(m_rows.rows[1].texts.at(5), "<Never>");
    run("9 - Information");
    EXPECT_EQ(readLines(reportDir() + "Presets.rpt"), expectedLines("Presets.rpt"));
    EXPECT_TRUE(logHas("Reporting Documents - Full Library"));
    EXPECT_TRUE(logHas("Document 3 is not Available"));
    EXPECT_TRUE(logHas("Preset Report of Documents Completed - Successful = 7/ Failed = 3"));
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Checking Document 8 Version 4"));
    EXPECT_FALSE(logText().contains("Checking Document")) << "status bar only";
}

TEST_F(PresetDocsTest, MissingNumbersCountAsSuccessesAndAreNotLogged)
{
    open();
    run("6 - Missing Numbers");
    ASSERT_EQ(m_rows.rows.size(), 3u);
    EXPECT_EQ(m_rows.rows[1].texts, (QStringList {"       6", "1", "Unknown", "Unknown", "Unknown", "Unknown"}));
    EXPECT_TRUE(logHas("Preset Report of Documents Completed - Successful = 10/ Failed = 0"));
    EXPECT_FALSE(logText().contains("is not Available"));
    EXPECT_EQ(readLines(reportDir() + "Presets.rpt").last(),
              "Doc. Number\tDoc. Version\tSubject\tAuthor\tStatus\tLast Used\tFile Name")
        << "the header, and no rows";
}

// In query mode a missing row stands under the position of the hit whose document is gone.
TEST_F(PresetDocsTest, MissingNumbersOfAQueryAreItsPositions)
{
    addFault("Document", 8, 0, "document withdrawn");
    open();
    run("6 - Missing Numbers", true);
    QStringList gone;
    const auto hits = m_refs.queryResults;
    ASSERT_TRUE(hits);
    for (int i = 1; i <= hits->Count(); ++i) {
        try {
            hits->Item(i)->Document();
        } catch (const gw::Error&) {
            gone.append(QString::number(i) + "/1");
        }
    }
    EXPECT_EQ(gone.size(), 5);
    EXPECT_EQ(listed(), gone);
    EXPECT_TRUE(logHas("Reporting Documents - Query Results"));
}

TEST_F(PresetDocsTest, WithoutADirectoryNoFileIsWritten)
{
    open();
    run("9 - Information", false, "  ");
    EXPECT_EQ(m_rows.rows.size(), 13u);
    EXPECT_TRUE(QDir(reportDir()).isEmpty());
}

// A document that vanishes during the run is reported and the run goes on.
TEST_F(PresetDocsTest, AVersionThatCannotBeJudgedIsReportedAndTheRunGoesOn)
{
    addFault("Archived", 8, 2, "version locked");
    open();
    run("2 - Archived");
    EXPECT_EQ(listed(), QStringList {"8/4"});
    EXPECT_TRUE(logHas("Error: Cannot Check Document 8 Version 2 (version locked)"));
}

TEST_F(PresetDocsTest, AnUnknownPresetIsToldForEachVersion)
{
    open();
    run("12 - Nothing");
    EXPECT_TRUE(m_rows.rows.empty());
    ASSERT_FALSE(m_host.messages.isEmpty());
    EXPECT_EQ(m_host.messages.first().text, "Unknown Option12 - Nothing");
}

TEST(PresetTextTest, TheClipboardTextHasTheTitleTheHeaderAndEveryRow)
{
    std::vector<tw::ResultRow> rows(2);
    rows[0].texts = {"       8", "1", "Flags", "Carol Cook", "In Use", "02/01/2026"};
    rows[0].hidden = "In Library";
    rows[1].texts = {"     123", "10", "Memo", "", "Available", "<Never>"};
    rows[1].hidden = "x.doc";
    const QString text = tw::presetListText("Preset Reports List 3 - Checked Out", 2,
                                            [&](int i) -> const tw::ResultRow& { return rows[size_t(i)]; });
    EXPECT_EQ(text,
              "Preset Reports List 3 - Checked Out\r\nNumber\tVersion\tSubject\tAuthor\tStatus\tLast Used\r\n"
              "       8\t1\tFlags\tCarol Cook\tIn Use\t02/01/2026\tIn Library\r\n"
              "     123\t10\tMemo\t\tAvailable\t<Never>\tx.doc\r\n");
}

TEST(PresetNumberTest, TheNumberBeforeTheDashPicksThePreset)
{
    EXPECT_EQ(tw::PresetDocs::presetNumber("9 - Information"), 9);
    EXPECT_EQ(tw::PresetDocs::presetNumber("Information"), 0);
    EXPECT_EQ(tw::paddedNumber(123), "     123");
    EXPECT_LT(tw::paddedNumber(99).compare(tw::paddedNumber(123)), 0) << "99 sorts before 123 as text";
}

} // namespace
