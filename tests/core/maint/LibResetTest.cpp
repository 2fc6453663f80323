#include "core/maint/LibReset.h"

#include "MaintFixture.h"
#include "core/maint/EventWords.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "support/GTestQt.h"

namespace {

struct EventWord
{
    unsigned int code;
    const char* word;
};

void PrintTo(const EventWord& c, std::ostream* os)
{
    *os << c.code;
}

class EventWordTest : public testing::TestWithParam<EventWord>
{
};

TEST_P(EventWordTest, GivesTheWordOfTheCode)
{
    EXPECT_EQ(tw::GetGWEventType(GetParam().code), GetParam().word);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, EventWordTest,
    testing::Values(EventWord {1, "Created"}, EventWord {2, "Checked In"}, EventWord {4, "Checked Out"},
                    EventWord {6, "Imported"}, EventWord {7, "Exported"}, EventWord {8, "Copy Version"},
                    EventWord {9, "Deleted"}, EventWord {12, "Closed"}, EventWord {13, "Viewed"},
                    EventWord {14, "Opened"}, EventWord {18, "Cached for WebAccess"},
                    EventWord {19, "Security Modified"}, EventWord {20, "Shared"}, EventWord {22, "Properties Updated"},
                    EventWord {30, "Status Reset"}, EventWord {31, "Archived"}, EventWord {32, "Restored"},
                    EventWord {0, "Other Activity 0"}, EventWord {3, "Other Activity 3"},
                    EventWord {5, "Other Activity 5"}, EventWord {21, "Other Activity 21"},
                    EventWord {33, "Other Activity 33"}, EventWord {4294967295u, "Other Activity 4294967295"}),
    [](const testing::TestParamInfo<EventWord>& info) { return "Code" + std::to_string(info.param.code); });

class LibResetTest : public tw::test::MaintFixture
{
protected:
    std::optional<tw::RunOutcome> reset(bool yes, const QStringList& fields = {})
    {
        m_host.yesNoAnswers.enqueue(yes);
        return tw::LibReset(services()).BLResetClick(inputs(false, fields));
    }
    QString reportPath() const { return reportDir() + QStringLiteral("ResetLib.rpt"); }
    // The columns of the event lines of one version, before its summary line.
    QList<QStringList> eventsBefore(const QString& summary)
    {
        const QStringList lines = readLines(reportPath());
        QList<QStringList> events;
        for (int i = lines.indexOf(summary) - 1;
             i >= 0 && lines.at(i).count('\t') == 3 && !lines.at(i).startsWith("Event Date\t"); --i)
            events.prepend(lines.at(i).split('\t'));
        return events;
    }
};

TEST_F(LibResetTest, WritesEachVersionsEventsThenItsSummaryAndAnEmptyLine)
{
    const QDateTime when(QDate(2026, 2, 3), QTime(4, 5, 6));
    m_fixture.builder().addEvent("LIB1", 1, 1, 5, "BOB", when);
    m_fixture.builder().addEvent("LIB1", 1, 1, 32, "CAROL", when.addDays(1));
    open();
    const auto outcome = reset(true, {"Subject"});
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->successes, 4);
    const QStringList lines = readLines(reportPath());
    EXPECT_EQ(lines.mid(0, 7),
              (QStringList {"Tarnwick (1.0.0.1) Reset Library Report - Initialised at 09/12/2026 10:11:12", "", "",
                            "Reset Library Report on Library LIB1 - Started at 09/12/2026 10:11:12",
                            "Reset Library Report Query on Library ", "",
                            "Event Date\tEvent Type\tFile Name\tAccount\tSubject"}));
    // The field values start one column before their names.
    const int summary = lines.indexOf("Success\tDocument 1\tVersion 1\tBudget 2004");
    ASSERT_GT(summary, 0);
    EXPECT_EQ(lines.value(summary + 1), "");
    const QList<QStringList> events = eventsBefore(lines.at(summary));
    ASSERT_EQ(events.size(), 3);
    EXPECT_EQ(events[0].mid(0, 2), (QStringList {"04/03/2025 09:30:00", "Created"}));
    EXPECT_EQ(events[1], (QStringList {"03/02/2026 04:05:06", "Other Activity 5", events[0][2], "Bob Baker"}));
    EXPECT_EQ(events[2][1], "Restored");
    EXPECT_EQ(events[2][3], "Carol Cook");
    EXPECT_TRUE(events[0][2].endsWith(".TXT", Qt::CaseInsensitive)) << events[0][2].toStdString();
    EXPECT_TRUE(logHas("Read Activity Log for Document 1 Version 1"));
    EXPECT_TRUE(logHas("Reset Library Report Completed - Successful = 4/ Failed = 0"));
    EXPECT_EQ(m_view.statuses.last(), "Reset Library Report Completed");
}

TEST_F(LibResetTest, AnEventThatCannotBeReadKeepsTheLinesBeforeItAndFailsTheVersion)
{
    for (int code : {13, 14, 12})
        m_fixture.builder().addEvent("LIB1", 1, 1, code, "BOB", QDateTime(QDate(2026, 2, 3), QTime(4, 5, 6)));
    store::FaultRule rule;
    rule.member = "EventType";
    rule.library = "LIB1";
    rule.document = 1;
    rule.version = 1;
    rule.event = 4;
    rule.message = "log damaged";
    m_fixture.store().addFaultRule(rule);
    open();
    const auto outcome = reset(true);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->failures, 1);
    EXPECT_EQ(outcome->successes, 3);
    const QStringList lines = readLines(reportPath());
    const int summary = lines.indexOf("Failure\tDocument 1\tVersion 1");
    ASSERT_GT(summary, 0);
    EXPECT_EQ(eventsBefore(lines.at(summary)).size(), 3);
    EXPECT_TRUE(logHas("Failed to Read Activity Log  for Document 1 Version 1"));
}

TEST_F(LibResetTest, NoWritesNothing)
{
    open();
    EXPECT_FALSE(reset(false));
    EXPECT_FALSE(QFileInfo::exists(reportPath()));
    EXPECT_TRUE(logHas("Starting Library Reset"));
    EXPECT_TRUE(logHas("Completed Library Reset"));
}

} // namespace
