#include "RunFixture.h"
#include "core/restore/HistoryRow.h"
#include "core/restore/RestoreFile.h"
#include "core/restore/RestoreInfo.h"
#include "core/restore/RestoreView.h"
#include "gw/ObjectModel.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/DryRun.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTemporaryDir>

namespace {

class RecordingRestoreView : public tw::RestoreView
{
public:
    void RDocInfoClear() override
    {
        ++clears;
        versions.clear();
        rows.clear();
        countText.clear();
    }
    void setNumberText(const QString& text) override { number = text; }
    void setVersions(const QStringList& list, const QString& chosen) override
    {
        versions = list;
        selected = chosen;
    }
    void setVersionCount(const QString& text, bool enabled) override
    {
        countText = text;
        listEnabled = enabled;
    }
    void setOfficialCurrent(bool o, bool c) override
    {
        official = o;
        current = c;
    }
    void clearHistory() override { rows.clear(); }
    void addHistoryRow(const tw::HistoryRow& row) override { rows.push_back(row); }
    void setClipboardEnabled(bool enabled) override { clipboard = enabled; }

    int clears = 0;
    QString number;
    QStringList versions;
    QString selected;
    QString countText;
    bool listEnabled = false;
    bool official = false;
    bool current = false;
    bool clipboard = false;
    std::vector<tw::HistoryRow> rows;
};

// The run fixture's LIB1 (next number 5). Document 1's first version was checked out and
// checked in with new content, so its original file ("alpha") lies in the salvage area of the
// library's directory.
class RestoreTest : public tw::test::RunFixture
{
protected:
    void SetUp() override
    {
        open();
        m_server = m_platform->CreateFileServer();
        auto version = m_refs.selectedLibrary->GetDocument("1")->DocumentVersions()->Item(1);
        const QString edited = reportDir() + "1_1.txt";
        version->CheckOut(edited);
        QFile file(edited);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("edited alpha");
        file.close();
        version->CheckIn(edited, 0);
    }

    // A new platform over the store, which reads the fault rules added since.
    void reopen()
    {
        m_platform = m_fixture.platform();
        m_server = m_platform->CreateFileServer();
        open();
    }
    tw::RestoreInfo info() { return tw::RestoreInfo(services(), m_restoreView); }
    tw::RestoreFile file()
    {
        return tw::RestoreFile(services(), [this] { return m_server; });
    }
    // The history row of version 1 whose action is `action`.
    tw::HistoryRow& rowOf(const QString& action)
    {
        for (tw::HistoryRow& row : m_restoreView.rows) {
            if (row.action == action)
                return row;
        }
        ADD_FAILURE() << "no row " << action.toStdString();
        static tw::HistoryRow none;
        return none;
    }
    QByteArray contentOfVersion1()
    {
        const QString copy = reportDir() + "copy.txt";
        QFile::remove(copy);
        m_refs.selectedLibrary->GetDocument("1")->DocumentVersions()->Item(1)->Copyout(copy);
        QFile file(copy);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QString status() const { return m_host.lastStatus().mid(QStringLiteral("Last Operation ").size()); }

    RecordingRestoreView m_restoreView;
    std::shared_ptr<gw::FileServer> m_server;
};

struct NumberCase
{
    const char* typed;
    const char* status;
    const char* written; // the number field afterwards ("" when left as it was)
};

class RestoreNumberTest : public RestoreTest, public testing::WithParamInterface<NumberCase>
{
};

TEST_P(RestoreNumberTest, RefusesWhatIsNoDocumentOfTheLibrary)
{
    const NumberCase& c = GetParam();
    info().GetRestoreDocument(c.typed);
    EXPECT_EQ(status(), c.status);
    EXPECT_EQ(m_restoreView.number, c.written);
    EXPECT_TRUE(m_restoreView.versions.isEmpty());
    EXPECT_FALSE(m_restoreView.clipboard);
}

INSTANTIATE_TEST_SUITE_P(
    Numbers, RestoreNumberTest,
    testing::Values(NumberCase {"  ", "No Document Number Specified", ""},
                    NumberCase {"4x", "Error: 4x is not a number ('4x' is not a valid integer value)", ""},
                    NumberCase {" 0042 ", "Document Number \"42\" Outside Library Range", "42"},
                    NumberCase {"5", "Document Number \"5\" Outside Library Range", "5"},
                    NumberCase {"0", "Document Number \"0\" Outside Library Range", "0"},
                    NumberCase {"-3", "Document Number \"-3\" Outside Library Range", "-3"},
                    NumberCase {"99999999999999999999",
                                "Error: 99999999999999999999 is not a number ('99999999999999999999' is not a valid "
                                "integer value)",
                                ""}));

TEST_F(RestoreTest, AMissingDocumentIsReported)
{
    info().GetRestoreDocument("3");
    EXPECT_TRUE(status().startsWith("Error: Cannot Retrieve Document 3 ("));
    EXPECT_TRUE(logText().contains("Error: Cannot Retrieve Document 3 ("));
}

TEST_F(RestoreTest, GetInfoListsTheVersionsAndTheOfficialVersionsHistory)
{
    info().GetRestoreDocument("1");
    EXPECT_EQ(m_restoreView.versions, (QStringList {"1", "2"}));
    EXPECT_EQ(m_restoreView.selected, "1");
    EXPECT_EQ(m_restoreView.countText, "2 Versions");
    EXPECT_TRUE(m_restoreView.listEnabled);
    EXPECT_TRUE(m_restoreView.official);
    EXPECT_FALSE(m_restoreView.current);
    EXPECT_TRUE(m_restoreView.clipboard);
    QStringList actions;
    for (const tw::HistoryRow& row : m_restoreView.rows)
        actions.append(row.action);
    EXPECT_EQ(actions.first(), "Created");
    EXPECT_TRUE(actions.contains("Checked Out"));
    EXPECT_TRUE(actions.contains("Checked In"));
    EXPECT_EQ(m_restoreView.rows.front().user, "Ann Archer");
    EXPECT_TRUE(logText().contains("Read Activity Log for Document 1 Version 1"));
    EXPECT_TRUE(logText().contains("Completed retrieving information for Document 1"));
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_FALSE(m_refs.currentDocument);

    // Another version replaces the rows.
    info().ComboB_RVersChange("1", "2");
    EXPECT_FALSE(m_restoreView.official);
    EXPECT_TRUE(m_restoreView.current);
    for (const tw::HistoryRow& row : m_restoreView.rows)
        EXPECT_NE(row.action, "Checked In") << "a row of version 1 stayed";

    info().GetRestoreDocument("2");
    EXPECT_EQ(m_restoreView.countText, "1 Version");
    EXPECT_FALSE(m_restoreView.listEnabled);
}

// The version list fills whatever the document says of its official version; only the
// selection depends on it. A document without versions shows "0 Versions".
TEST_F(RestoreTest, TheVersionListFillsWithoutAnOfficialVersion)
{
    QSqlQuery sql(m_fixture.store().database());
    ASSERT_TRUE(sql.exec("UPDATE documents SET official_version = 9, current_version = 9 WHERE number = 1"));
    EXPECT_EQ(info().GetRestoreDocument("1"), "1");
    EXPECT_EQ(m_restoreView.versions, (QStringList {"1", "2"}));
    EXPECT_EQ(m_restoreView.selected, "");
    EXPECT_EQ(m_restoreView.countText, "2 Versions");
    EXPECT_TRUE(logText().contains("No Version selected for Document 1"));
    EXPECT_FALSE(logText().contains("Error: Cannot Retrieve Document 1"));
    // A version chosen by hand shows its history, neither official nor current.
    info().ComboB_RVersChange("1", "2");
    EXPECT_FALSE(m_restoreView.rows.empty());
    EXPECT_FALSE(m_restoreView.official);
    EXPECT_FALSE(m_restoreView.current);

    ASSERT_TRUE(sql.exec("DELETE FROM versions WHERE document_id = (SELECT id FROM documents WHERE number = 4)"));
    EXPECT_EQ(info().GetRestoreDocument("4"), "4");
    EXPECT_TRUE(m_restoreView.versions.isEmpty());
    EXPECT_EQ(m_restoreView.countText, "0 Versions");
    EXPECT_EQ(status(), "No Version information available for Document 4");
    EXPECT_FALSE(logText().contains("Error: Cannot Retrieve Document 4"));
}

// The file server matches names without regard to letter case: a history naming a file in
// other letters finds it present, and a file salvaged under the area's spelling is reimported.
TEST_F(RestoreTest, FileNamesMatchInAnyLetterCase)
{
    info().GetRestoreDocument("1");
    const tw::HistoryRow& checkedIn = rowOf("Checked In");
    const QFileInfo present(checkedIn.file);
    tw::HistoryRow other {"", "", "", present.absolutePath() + '/' + present.fileName().toLower(), ""};
    ASSERT_NE(other.file, checkedIn.file);
    EXPECT_EQ(file().LV_RestoresClick(other), tw::FileState::Available);
    tw::HistoryRow folder {"", "", "", present.absolutePath(), ""};
    EXPECT_NE(file().LV_RestoresClick(folder), tw::FileState::Available) << "a directory is no file";

    tw::HistoryRow& created = rowOf("Created");
    const QFileInfo salvaged(created.file);
    created.file = salvaged.absolutePath() + '/' + salvaged.fileName().toLower();
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_EQ(created.state, tw::FileState::Salvaged);
    EXPECT_TRUE(logText().contains("Successfully Reimported File for Document 1 Version 1"));
    EXPECT_FALSE(logText().contains("Failed to Reimport File"));
    EXPECT_EQ(contentOfVersion1(), "alpha");
    EXPECT_FALSE(QFile::exists(salvaged.absoluteFilePath())) << "the salvaged copy is deleted once reimported";
}

// Events read before the failing one stay in the history.
TEST_F(RestoreTest, AnActivityLogThatFailsPartWayIsReported)
{
    store::FaultRule rule;
    rule.member = "CreationDate";
    rule.library = "LIB1";
    rule.document = 1;
    rule.version = 1;
    rule.event = 2;
    rule.message = "log damaged";
    m_fixture.store().addFaultRule(rule);
    reopen();
    info().ComboB_RVersChange("1", "1");
    ASSERT_EQ(m_restoreView.rows.size(), 1u);
    EXPECT_EQ(m_restoreView.rows[0].action, "Created");
    EXPECT_TRUE(logText().contains("Failed to Read Activity Log  for Document 1 Version 1"));
    EXPECT_TRUE(m_state.OperationIdle);
}

TEST_F(RestoreTest, LooksUpEachRowsFileOnce)
{
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    tw::HistoryRow& checkedIn = rowOf("Checked In");
    EXPECT_EQ(file().LV_RestoresClick(created), tw::FileState::Salvageable);
    EXPECT_EQ(file().LV_RestoresClick(checkedIn), tw::FileState::Available);
    tw::HistoryRow none {"", "", "", "", ""};
    EXPECT_EQ(file().LV_RestoresClick(none), tw::FileState::NoFile);
    tw::HistoryRow gone {"", "", "", reportDir() + "never-there.txt", ""};
    EXPECT_EQ(file().LV_RestoresClick(gone), tw::FileState::FromTape);
    tw::HistoryRow tooLong {"", "", "", reportDir() + "a-name-too-long-for-salvage.txt", ""};
    EXPECT_EQ(file().LV_RestoresClick(tooLong), tw::FileState::FromTape);
    // Once looked up, a row keeps its state: the salvage area is not asked again.
    store::FaultRule rule;
    rule.member = "NWParseNetWarePath";
    rule.message = "0x899C";
    m_fixture.store().addFaultRule(rule);
    m_server = m_fixture.platform()->CreateFileServer();
    EXPECT_EQ(file().LV_RestoresClick(created), tw::FileState::Salvageable);
    EXPECT_TRUE(m_host.messages.isEmpty());
    tw::HistoryRow fresh {"", "", "", created.file, ""};
    EXPECT_EQ(file().LV_RestoresClick(fresh), "") << "a failing call leaves no state";
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "Error 899C: NWParseNetWarePath");
}

TEST_F(RestoreTest, RestoresTheSalvagedFileIntoItsVersion)
{
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_EQ(created.state, tw::FileState::Salvaged);
    EXPECT_EQ(contentOfVersion1(), "alpha");
    EXPECT_FALSE(QFile::exists(created.file)) << "the salvaged copy is deleted";
    for (const char* line :
         {"Starting Restore Document", "Successfully Restored File for Document 1 Version 1",
          "Successfully Reimported File for Document 1 Version 1",
          "Successfully Deleted Restored File for Document 1 Version 1", "Completed Restore Document"})
        EXPECT_TRUE(logText().contains(line)) << line;
    EXPECT_EQ(m_host.questions, QStringList {"Absolutely Sure About This ?"});
    EXPECT_FALSE(m_refs.currentVersion);
}

// Copies the directory tree `from` to `to`, as a backup or a copy by hand does.
void copyTree(const QString& from, const QString& to)
{
    QDirIterator it(from, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        ASSERT_TRUE(QDir().mkpath(it.fileInfo().isDir() ? target : QFileInfo(target).path()));
        if (!it.fileInfo().isDir()) {
            ASSERT_TRUE(QFile::copy(source, target)) << target.toStdString();
        }
    }
}

// A copy of a store restores from its own salvage area, and the store it was copied from keeps
// its salvaged file and its versions as they were.
TEST_F(RestoreTest, ACopyOfTheStoreRestoresFromItsOwnSalvageArea)
{
    QSqlDatabase db = m_fixture.store().database();
    QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    QTemporaryDir copyDir;
    const QString copy = copyDir.filePath(QStringLiteral("copy"));
    copyTree(m_fixture.path(), copy);
    const QString original = m_fixture.path() + QLatin1Char('/');
    const auto salvageOfOriginal = [&original] {
        return QDir(original + QStringLiteral("files/LIB1/.salvage")).entryList(QDir::Files | QDir::Hidden);
    };
    const QStringList salvagedBefore = salvageOfOriginal();
    ASSERT_FALSE(salvagedBefore.isEmpty());

    m_platform = std::make_shared<store::StorePlatform>(copy);
    m_server = m_platform->CreateFileServer();
    open();
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    EXPECT_TRUE(created.file.startsWith(copy + QLatin1Char('/'))) << created.file.toStdString();
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_EQ(created.state, tw::FileState::Salvaged);
    EXPECT_EQ(contentOfVersion1(), "alpha");

    EXPECT_EQ(salvageOfOriginal(), salvagedBefore);
    m_platform = m_fixture.platform();
    m_server = m_platform->CreateFileServer();
    open();
    EXPECT_EQ(contentOfVersion1(), "edited alpha");
}

TEST_F(RestoreTest, RefusesAVersionThatIsCheckedOutAndAnAnswerOfNo)
{
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    m_host.yesNoAnswers.enqueue(false);
    file().BRestoreClick("1", "1", created);
    EXPECT_EQ(created.state, "");
    EXPECT_TRUE(logText().contains("Completed Restore Document"));

    m_refs.selectedLibrary->GetDocument("1")->DocumentVersions()->Item(1)->CheckOut(reportDir() + "out.txt");
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_TRUE(logText().contains("Currently Checked Out Status for Document 1 Version 1"));
    EXPECT_EQ(created.state, "");
    EXPECT_EQ(contentOfVersion1(), "edited alpha");
}

struct DryRestoreCase
{
    const char* name;
    bool checkedOut; // version 1 checked out before the restores
    bool answer;
    QStringList outcomes; // of the real restore
};

class DryRestoreTest : public RestoreTest, public testing::WithParamInterface<DryRestoreCase>
{
protected:
    // The daily log's messages (after the time stamp) from line `from` to line `to`.
    QStringList outcomes(qsizetype from, qsizetype to = -1)
    {
        static const QRegularExpression outcome("^(Dry Run: )?(Successfully|Failed|Currently|Error)");
        QStringList messages;
        for (const QString& line : logText().split("\r\n"))
            messages.append(line.section('\t', 1));
        return messages.mid(from, to < 0 ? -1 : to - from).filter(outcome);
    }
};

// The same restore made dry and then for real: the dry run asks the same question, changes
// nothing in the store or the salvage area and names, line for line, what the real restore does.
TEST_P(DryRestoreTest, ADryRestoreNamesWhatTheRealOneDoes)
{
    const DryRestoreCase& c = GetParam();
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    if (c.checkedOut)
        m_refs.selectedLibrary->GetDocument("1")->DocumentVersions()->Item(1)->CheckOut(reportDir() + "out.txt");
    QList<qsizetype> sizes {logText().split("\r\n").size() - 1};
    const auto runs
        = tw::test::dryThenReal(m_state, {m_fixture.path(), QFileInfo(created.file).path()}, QString(), [&] {
              m_host.yesNoAnswers.enqueue(c.answer);
              file().BRestoreClick("1", "1", created);
              sizes.append(logText().split("\r\n").size() - 1);
          });
    EXPECT_EQ(runs.changedFiles, QStringList());
    const QStringList dry = outcomes(sizes[0], sizes[1]);
    const QStringList real = outcomes(sizes[1]);
    EXPECT_EQ(tw::test::dryRunLines(dry), dry);
    EXPECT_EQ(tw::test::withoutDryRunMarks(dry), real);
    EXPECT_EQ(real, c.outcomes);
    EXPECT_EQ(m_host.questions.size(), 2);
    EXPECT_TRUE(logText().contains("Completed Restore Document (Dry Run)"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DryRestoreTest,
    testing::Values(DryRestoreCase {"salvageable",
                                    false,
                                    true,
                                    {"Successfully Restored File for Document 1 Version 1",
                                     "Successfully Reimported File for Document 1 Version 1",
                                     "Successfully Deleted Restored File for Document 1 Version 1"}},
                    DryRestoreCase {
                        "checkedOut", true, true, {"Currently Checked Out Status for Document 1 Version 1"}},
                    DryRestoreCase {"declined", false, false, {}}),
    [](const testing::TestParamInfo<DryRestoreCase>& info) { return std::string(info.param.name); });

// A file that appeared at the salvaged file's place since the lookup is never overwritten.
TEST_F(RestoreTest, ARecoveryNeverReplacesAFile)
{
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    EXPECT_EQ(file().LV_RestoresClick(created), tw::FileState::Salvageable);
    QFile newcomer(created.file);
    ASSERT_TRUE(newcomer.open(QIODevice::WriteOnly));
    newcomer.write("someone else's");
    newcomer.close();
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.endsWith(": NWRecoverDeleteFile")) << m_host.messages[0].text.toStdString();
    QFile kept(created.file);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "someone else's");
    EXPECT_EQ(contentOfVersion1(), "edited alpha");
    EXPECT_FALSE(logText().contains("Failed to Reimport")) << "the restore ended at the failing call";
}

// A check-in that fails after the salvage leaves the salvaged file where it is and says where.
TEST_F(RestoreTest, AFailedReimportKeepsTheSalvagedFile)
{
    addFault("CheckIn", 1, 1, "library busy");
    reopen();
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_TRUE(QFile::exists(created.file));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text,
              "Error: Cannot Reimport File for Document 1 Version 1 (library busy); the "
              "salvaged file stays at "
                  + QFileInfo(created.file).absoluteFilePath());
    EXPECT_TRUE(logText().contains("Completed Restore Document"));
}

struct FlagCase
{
    const char* name;
    store::VersionState state;
};

class RestoreFlagTest : public RestoreTest, public testing::WithParamInterface<FlagCase>
{
};

TEST_P(RestoreFlagTest, RefusesAVersionInUseInAnyWay)
{
    m_fixture.builder().setVersionState("LIB1", 1, 1, GetParam().state);
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    m_host.yesNoAnswers.enqueue(true);
    file().BRestoreClick("1", "1", created);
    EXPECT_TRUE(logText().contains("Currently Checked Out Status for Document 1 Version 1"));
    EXPECT_EQ(created.state, "");
    EXPECT_EQ(contentOfVersion1(), "edited alpha");
}

store::VersionState flagged(std::optional<bool> store::VersionState::*flag)
{
    store::VersionState state;
    state.*flag = true;
    return state;
}

INSTANTIATE_TEST_SUITE_P(Flags, RestoreFlagTest,
                         testing::Values(FlagCase {"archived", flagged(&store::VersionState::archived)},
                                         FlagCase {"checkedOut", flagged(&store::VersionState::checkedOut)},
                                         FlagCase {"readWrite", flagged(&store::VersionState::readWrite)},
                                         FlagCase {"inUse", flagged(&store::VersionState::inUse)}),
                         [](const testing::TestParamInfo<FlagCase>& info) { return std::string(info.param.name); });

struct CallCase
{
    const char* member; // the file server call that fails
    bool restoring; // the failure is met by the restore, not by the lookup
    const char* shown;
};

class SalvageCallTest : public RestoreTest, public testing::WithParamInterface<CallCase>
{
};

// Every failing salvage call is shown with its name, and nothing is salvaged.
TEST_P(SalvageCallTest, ShowsTheFailingCall)
{
    const CallCase& c = GetParam();
    store::FaultRule rule;
    rule.member = c.member;
    rule.message = "0x8998";
    m_fixture.store().addFaultRule(rule);
    reopen();
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    if (c.restoring) {
        m_host.yesNoAnswers.enqueue(true);
        file().BRestoreClick("1", "1", created);
        EXPECT_EQ(contentOfVersion1(), "edited alpha");
    } else {
        file().LV_RestoresClick(created);
    }
    ASSERT_FALSE(m_host.messages.isEmpty());
    EXPECT_EQ(m_host.messages[0].text, c.shown);
    EXPECT_NE(created.state, tw::FileState::Salvaged);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, SalvageCallTest,
    testing::Values(CallCase {"NWAllocTemporaryDirectoryHandle", false, "Error 8998: NWAllocTemporaryDirectoryHandle"},
                    CallCase {"NWScanForDeletedFiles", false, "Error 8998: NWScanForDeletedFiles"},
                    CallCase {"NWDeallocateDirectoryHandle", false, "Error 8998: NWDeallocateDirectoryHandle"},
                    CallCase {"NWParseNetWarePath", true, "Error 8998: NWParseNetWarePath"},
                    CallCase {"NWRecoverDeletedFile", true, "Error 8998: NWRecoverDeleteFile"}),
    [](const testing::TestParamInfo<CallCase>& info) { return std::string(info.param.member); });

// The salvage area keeps names in capitals: a name in small letters in the history still matches.
TEST_F(RestoreTest, TheSalvageMatchIgnoresTheLetterCaseOfTheHistory)
{
    info().GetRestoreDocument("1");
    tw::HistoryRow& created = rowOf("Created");
    const QFileInfo original(created.file);
    tw::HistoryRow lower {"", "", "", original.absolutePath() + '/' + original.fileName().toLower(), ""};
    ASSERT_NE(lower.file, created.file);
    EXPECT_EQ(file().LV_RestoresClick(lower), tw::FileState::Salvageable);
}

TEST(HistoryTextTest, TheClipboardTextHasTheHeadingTheColumnsAndEveryRow)
{
    const std::vector<tw::HistoryRow> rows {
        {"04/03/2025 09:30:00", "Ann Archer", "Created", "/lib/A.TXT", ""},
        {"05/03/2025 10:00:00", "Bob Baker", "Deleted", "/lib/B.TXT", "Currently Salvageable"}};
    EXPECT_EQ(tw::historyClipboardText("1", "2", rows),
              "Document Activity List for Document 1 Version 2\r\nDate\tUserName\tAction\tFileName\r\n"
              "04/03/2025 09:30:00\tAnn Archer\tCreated\t/lib/A.TXT\t\r\n"
              "05/03/2025 10:00:00\tBob Baker\tDeleted\t/lib/B.TXT\tCurrently Salvageable\r\n");
}

} // namespace
