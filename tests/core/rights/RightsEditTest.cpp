#include "RightsFixture.h"
#include "core/rights/EditList.h"
#include "core/rights/FEditRDocs.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "support/GTestQt.h"

#include <QSqlDatabase>
#include <QSqlQuery>

namespace {

// Whether another program could begin a change of the store at this moment, without waiting.
bool writableAtOnce(const QString& storePath)
{
    bool free = false;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other program"));
        db.setDatabaseName(storePath + QStringLiteral("/store.db"));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=0"));
        QSqlQuery q(db);
        free = db.open() && q.exec(QStringLiteral("BEGIN IMMEDIATE"));
        q.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other program"));
    return free;
}

using store::LevelMasks;
using store::SharingSpec;

class RightsEditTest : public tw::test::RightsFixture
{
protected:
    tw::RunOutcome edit(const QString& directory = QString())
    {
        tw::RunInputs in;
        in.useQuery = false;
        in.reportDirectory = directory.isNull() ? reportDir() : directory;
        return tw::FEditRDocs(services(), m_list).FEditRDocsRun(in);
    }
    void setSharing(qint64 number, const QList<SharingSpec>& sharing)
    {
        store::RightsSpec rights;
        rights.sharing = sharing;
        m_fixture.builder().setRights("LIB1", number, rights);
    }
    QStringList reportBody() { return readLines(reportDir() + "FREdits.rpt").mid(6); }

    tw::EditList m_list;
};

// A delete, a handover of an explicit deny into an existing entry, and a handover to a user
// without an entry, over the whole library.
TEST_F(RightsEditTest, DeletesAndHandsOverAcrossTheLibrary)
{
    open();
    m_list.setEdit("Bob Baker", "", "Delete");
    m_list.setEdit("Team", "Bob Baker", "Replace");
    m_list.setEdit("Zed Gone", "Carol Cook", "Replace");
    const tw::RunOutcome outcome = edit();
    EXPECT_TRUE(outcome.error.isEmpty()) << outcome.error.toStdString();
    EXPECT_EQ(readLines(reportDir() + "FREdits.rpt"), expectedLines("FREdits.rpt"));
    // Document 1: Bob's entry went first, so Team's deny came to him as a new entry without rights.
    EXPECT_EQ(sharing(1), (QStringList {"Bob Baker 0/0/0", "Carol Cook 4/4/4"}));
    // Document 2: the first "Bob Baker" went; the second took Team's deny unchanged.
    EXPECT_EQ(sharing(2), QStringList {"Bob Baker 39/39/39"});
    // Document 4: marked by letter case only, and left as it was.
    EXPECT_EQ(sharing(4), QStringList {"BOB BAKER 6/6/6"});
    EXPECT_EQ(m_list.rows().at(0).rights, "1:6") << "the marks of the last document";
    EXPECT_TRUE(logHas("Full Rights Edit Documents - Full Library"));
    EXPECT_TRUE(logHas("Rights Edit Report of Documents Completed"));
    EXPECT_EQ(m_view.statuses.last(), "Rights Edit Report Completed");
    EXPECT_TRUE(m_state.OperationIdle);
}

struct HandoverCase
{
    const char* name;
    bool oldDenied;
    bool ticked;
    const char* replacement;
    bool emptySubject;
    QStringList sharing;
    QStringList lines; // outcome lines after "Original Rights found for" and its level lines
    const char* subject;
};

class HandoverTest : public RightsEditTest, public testing::WithParamInterface<HandoverCase>
{
};

// Document 4 holds "Old One" (nobody in the system) 12/6/1, whose bit 8 gives the entry modify
// security (shown at every level: 12/14/9), and Carol Cook 32/32/0.
TEST_P(HandoverTest, GivesTheReplacementTheOldRights)
{
    const HandoverCase& c = GetParam();
    setSharing(4, {{"Old One", {12, 6, 1}, c.oldDenied, false}, {"CAROL", {32, 32, 0}, false, false}});
    open();
    if (c.emptySubject)
        document(4)->setSubject(QString());
    m_list.setEdit("Old One", QString::fromUtf8(c.replacement), "Replace");
    m_list.setTicked(0, c.ticked);
    m_fixture.builder().setRights("LIB1", 1, {{}, {}, QList<SharingSpec> {}});
    m_fixture.builder().setRights("LIB1", 2, {{}, {}, QList<SharingSpec> {}});
    edit();
    EXPECT_EQ(sharing(4), c.sharing);
    QStringList outcomes;
    for (const QString& line : reportBody()) {
        if (line.startsWith("Document "))
            outcomes.append(line);
    }
    EXPECT_EQ(outcomes, c.lines);
    EXPECT_EQ(document(4)->Subject(), QString::fromUtf8(c.subject));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, HandoverTest,
    testing::Values(
        // Merged: each level ORed and cut to 39; modify security from the old official 8, shown
        // at every level.
        HandoverCase {"merge",
                      false,
                      true,
                      "Carol Cook",
                      false,
                      {"Carol Cook 44/46/9 modify"},
                      {"Document 4 - Rights already present for Carol Cook",
                       "Document 4 - Rights Updated for Carol Cook", "Document 4 - Rights removed for Old One"},
                      "???"},
        HandoverCase {"keep",
                      false,
                      false,
                      "Carol Cook",
                      false,
                      {"Carol Cook 32/32/0"},
                      {"Document 4 - Rights already present for Carol Cook",
                       "Document 4 - Existing Rights retained for Carol Cook",
                       "Document 4 - Rights removed for Old One"},
                      "???"},
        HandoverCase {
            "newEntry",
            false,
            true,
            "Bob Baker",
            true,
            {"Carol Cook 32/32/0", "Bob Baker 12/14/9 modify"},
            {"Document 4 Rights for Old One replaced by Bob Baker", "Document 4 - Rights removed for Old One"},
            "Unknown Subject"},
        // An explicit deny handed over is a new entry without rights, not a deny.
        HandoverCase {
            "deniedToNew",
            true,
            true,
            "Bob Baker",
            false,
            {"Carol Cook 32/32/0", "Bob Baker 0/0/0"},
            {"Document 4 Rights for Old One replaced by Bob Baker", "Document 4 - Rights removed for Old One"},
            "???"},
        // A merge of a deny leaves the existing entry's masks as they were.
        HandoverCase {"deniedMerge",
                      true,
                      true,
                      "Carol Cook",
                      false,
                      {"Carol Cook 32/32/0"},
                      {"Document 4 - Rights already present for Carol Cook",
                       "Document 4 - Rights Updated for Carol Cook", "Document 4 - Rights removed for Old One"},
                      "???"},
        HandoverCase {"unknownUser",
                      false,
                      true,
                      "Nobody Known",
                      false,
                      {"Old One 12/14/9 modify", "Carol Cook 32/32/0"},
                      {"Document 4 - Rights NOT removed for Old One"},
                      "???"}),
    [](const testing::TestParamInfo<HandoverCase>& info) { return std::string(info.param.name); });

TEST_F(RightsEditTest, AnUnknownReplacementStopsTheRunAfterTheFirstDocument)
{
    open();
    m_list.setEdit("Team", "Bob Baker", "Replace");
    m_list.setEdit("Zed Gone", "Nobody Known", "Replace");
    // A message waiting for the user never holds up another program that writes to the store.
    QList<bool> storeFree;
    m_host.onMessage = [&] { storeFree.append(writableAtOnce(m_fixture.path())); };
    edit();
    EXPECT_EQ(storeFree, (QList<bool> {true, true}));
    // Told when the address list is gathered, and again when the first document needs the entry.
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[0].text, "Address Entry cannot be found for Nobody Known Cancelling Report");
    EXPECT_EQ(m_host.messages[1].text, m_host.messages[0].text);
    EXPECT_TRUE(logHas("Cancelling Rights Edit Report of Documents"));
    EXPECT_EQ(sharing(1), (QStringList {"Bob Baker 6/38/4", "Zed Gone 4/4/4"})) << "Team handed over, Zed kept";
    EXPECT_EQ(sharing(2).first(), "Team 0/0/0 denied") << "the run stopped before document 2";
}

// A document's edit is kept whole or not at all: when its change cannot begin or cannot be kept,
// the document stays as it was, the report tells of nothing done to it, and the run goes on.
class UnsavedEditTest : public RightsEditTest, public testing::WithParamInterface<const char*>
{
};

TEST_P(UnsavedEditTest, LeavesTheDocumentAsItWasAndSaysSo)
{
    addFault(GetParam(), 1, 0, "disk full");
    open();
    m_list.setEdit("Zed Gone", "Carol Cook", "Replace");
    setSharing(2, {{"Zed Gone", {4, 4, 4}, false, false}});
    edit();
    EXPECT_EQ(sharing(1), (QStringList {"Bob Baker 6/38/4", "Zed Gone 4/4/4", "Team 39/39/39 denied"}));
    EXPECT_EQ(sharing(2).last(), "Carol Cook 4/4/4");
    const QString failure = "Error: Rights Edit Not Saved for Document 1 (disk full)";
    EXPECT_TRUE(logHas(failure));
    QStringList body = reportBody();
    EXPECT_EQ(body.mid(0, 2), (QStringList {failure, "Original Rights found for Zed Gone"}));
    EXPECT_EQ(body.filter("Document 1").size(), 1) << body.join(" | ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(Members, UnsavedEditTest, testing::Values("BeginChange", "Commit"),
                         [](const testing::TestParamInfo<const char*>& info) { return std::string(info.param); });

// Adding a user already in the sharing list is refused; the run tells which document and leaves
// the old entry. Carol Cook's entry is there but cannot be read, so the handover looks for her in
// vain and tries to add her.
TEST_F(RightsEditTest, AReplacementAlreadyInTheListIsNotAddedTwice)
{
    setSharing(1, {{"Zed Gone", {4, 4, 4}, false, false}, {"CAROL", {32, 32, 0}, false, false}});
    store::FaultRule rule;
    rule.member = "User";
    rule.library = "LIB1";
    rule.document = 1;
    rule.entry = 2;
    rule.occurrence = 2; // the first read marks the edit list; the second is the handover's search
    rule.message = "entry unreadable";
    m_fixture.store().addFaultRule(rule);
    open();
    m_list.setEdit("Zed Gone", "Carol Cook", "Replace");
    edit();
    EXPECT_EQ(sharing(1), (QStringList {"Zed Gone 4/4/4", "Carol Cook 32/32/0"}));
    EXPECT_TRUE(logHas("Error: Replacing Rights to Document 1 for Zed Gone by Carol Cook (Carol Cook is already "
                       "in the sharing list of document 1)"));
    EXPECT_TRUE(reportBody().contains("Document 1 - Rights NOT removed for Zed Gone"));
}

TEST_F(RightsEditTest, AnEntryThatFailsIsReportedAndTheRunGoesOn)
{
    store::FaultRule rule;
    rule.member = "Delete";
    rule.library = "LIB1";
    rule.document = 1;
    rule.message = "entry locked";
    m_fixture.store().addFaultRule(rule);
    open();
    m_list.setEdit("Zed Gone", "", "Delete");
    setSharing(2, {{"Zed Gone", {4, 4, 4}, false, false}});
    edit();
    EXPECT_TRUE(logHas("Error: Get Next Rights Failed for Document 1 for Zed Gone (entry locked)"));
    EXPECT_TRUE(reportBody().contains("Document 1 - Rights Found, but NOT removed for Zed Gone"));
    EXPECT_TRUE(reportBody().contains("Document 2 - Rights removed for Zed Gone"));
    EXPECT_TRUE(sharing(2).isEmpty());
}

TEST_F(RightsEditTest, WithoutADirectoryNothingIsWrittenButTheEditsAreMade)
{
    open();
    m_list.setEdit("Zed Gone", "", "Delete");
    edit(QStringLiteral(""));
    EXPECT_EQ(sharing(1), (QStringList {"Bob Baker 6/38/4", "Team 39/39/39 denied"}));
    EXPECT_FALSE(QFile::exists(reportDir() + "FREdits.rpt"));
}

} // namespace
