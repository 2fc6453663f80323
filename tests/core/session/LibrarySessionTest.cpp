#include "core/app/LibrarySession.h"

#include "core/account/KAVGWLib.h"
#include "core/app/GwRefs.h"
#include "core/app/LibraryView.h"
#include "core/app/OperationLog.h"
#include "core/app/PlatformSession.h"
#include "core/app/RunState.h"
#include "store/FaultRule.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/DailyLog.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"
#include "support/ReadOnlyFolder.h"
#include "support/ScriptedHost.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

using tw::LibrarySession;
using tw::test::FixtureStore;
using tw::test::ScriptedHost;

namespace {

// Records what the session shows, as the window would.
struct RecordingView : tw::LibraryView
{
    void setWindowCaption(const QString& text) override { caption = text; }
    void setLibraryEntries(const QStringList& list, const QString& chosen) override
    {
        entries = list;
        selected = chosen;
    }
    void clearForLibrary() override { ++clears; }
    void setLibraryPanel(const QString& c, const QString& highest, const QString& description) override
    {
        panel = {c, highest, description};
    }
    void setLibrarianLine(const QString& text) override { librarian = text; }
    void setDocumentTypes(const QStringList& list) override { types = list; }
    void setFieldLists(const QStringList& list, const QStringList& reporterList) override
    {
        fields = list;
        reporter = reporterList;
    }
    void setAdditionalFields(const QList<tw::AdditionalFieldRow>& list, bool enabled) override
    {
        rows = list;
        moreFields = enabled;
    }

    QString caption, selected, librarian;
    QStringList entries, panel, types, fields, reporter;
    QList<tw::AdditionalFieldRow> rows;
    bool moreFields = false;
    int clears = 0;
};

class LibrarySessionTest : public testing::Test
{
protected:
    LibrarySessionTest()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "LIB1", "The first library");
        s.addLibrary("PO1", "LIB10", "The tenth library");
        s.addLibrary("PO2", "EMPTY", "Nothing in it");
        s.setDefaultLibrary("ANN", "LIB10");
        s.addDocumentType("LIB1", "Memo");
        s.addDocumentType("LIB1", "Contract");
        s.addFieldDefinition("LIB1", "Client", 1);
        s.addFieldDefinition("LIB1", "Value", 2);
        s.addFieldDefinition("LIB1", "Renewal", 3);
        store::NewDocument doc;
        doc.library = "LIB1";
        doc.subject = "A memo";
        doc.author = "ANN";
        store::NewVersion version;
        version.content = "text";
        version.fileType = "txt";
        for (int i = 0; i < 3; ++i)
            s.importDocument(doc, version);
    }

    QString logText() { return tw::test::dailyLogText(m_log); }
    void addFault(const QString& member, int occurrence, const QString& library = QString())
    {
        store::FaultRule rule;
        rule.member = member;
        rule.occurrence = occurrence;
        rule.library = library;
        rule.message = member + " failed";
        m_fixture.store().addFaultRule(rule);
    }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& message : m_host.messages)
            texts.append(message.text);
        return texts;
    }

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    ScriptedHost m_host;
    tw::OperationLog m_log {m_logDir.path(), "Tarnwick (1.0.0.1)", &m_host};
    std::shared_ptr<store::StorePlatform> m_platform = m_fixture.platform();
    tw::GwRefs m_refs;
    tw::RunState m_state;
    RecordingView m_view;
    LibrarySession m_session {*m_platform, {m_refs, m_state, m_log, m_host, m_view}};
};

TEST_F(LibrarySessionTest, LoginListsTheLibrariesSortedAndPreselectsTheDefault)
{
    ASSERT_TRUE(m_session.GWLogin());
    EXPECT_EQ(m_view.entries, (QStringList {"EMPTY (DOM.PO2.EMPTY)", "LIB1 (DOM.PO1.LIB1)", "LIB10 (DOM.PO1.LIB10)"}));
    EXPECT_EQ(m_view.selected, "LIB10 (DOM.PO1.LIB10)");
    EXPECT_EQ(m_view.caption, "Tarnwick (Logged in as Ann Archer)");
    EXPECT_TRUE(m_host.messages.isEmpty());
    const QString log = logText();
    EXPECT_TRUE(log.contains("\tDefault Document Library - LIB10 (DOM.PO1.LIB10)\r\n"));
    EXPECT_TRUE(log.contains("\tAdding Library - EMPTY (DOM.PO2.EMPTY)\r\n"));
}

TEST_F(LibrarySessionTest, WithoutADefaultLibraryTheFirstEntryIsUsed)
{
    QSqlQuery(m_fixture.store().database()).exec("UPDATE users SET default_library_id = NULL");
    ASSERT_TRUE(m_session.GWLogin());
    ASSERT_EQ(m_host.messages.size(), 2);
    EXPECT_EQ(m_host.messages[0].text, "No Default Library Set");
    EXPECT_EQ(m_host.messages[1].text, "No Default Library Set");
    EXPECT_EQ(m_view.selected, "EMPTY (DOM.PO2.EMPTY)");
    EXPECT_TRUE(logText().contains("\tDefault Document Library - <Not Set>\r\n"));
}

TEST_F(LibrarySessionTest, LoginFailures)
{
    store::StorePlatform nowhere(m_logDir.filePath("no-store"));
    ScriptedHost host;
    LibrarySession noStore(nowhere, {m_refs, m_state, m_log, host, m_view});
    EXPECT_FALSE(noStore.GWLogin());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[0].text, "Could not create a GroupWise Ole object.");

    m_fixture.store().setSetting("client.user", "NOBODY");
    EXPECT_FALSE(m_session.GWLogin());
    EXPECT_TRUE(m_host.messages.isEmpty()) << "a refused login ends the program silently";
}

// A store whose building was stopped is named so in the daily log, beside the system's message.
TEST_F(LibrarySessionTest, AHalfBuiltStoreIsNamedInTheDailyLog)
{
    store::Store::createUnfinished(m_logDir.filePath("half"));
    store::StorePlatform half(m_logDir.filePath("half"));
    ScriptedHost host;
    LibrarySession session(half, {m_refs, m_state, m_log, host, m_view});
    EXPECT_FALSE(session.GWLogin());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].text, "Could not create a GroupWise Ole object.");
    EXPECT_TRUE(logText().contains("is half built")) << logText().toStdString();
}

// A store that cannot be used gives the one message the program has for it; the daily log names
// the cause beside it.
struct UnusableStore
{
    const char* label;
    const char* cause; // what the log line says after the message
    // Spoils the store just built at `path` (or removes it); false when that cannot be done here.
    std::function<bool(const QString& path, std::unique_ptr<tw::test::ReadOnlyFolder>& readOnly)> spoil;
};

void PrintTo(const UnusableStore& c, std::ostream* os)
{
    *os << c.label;
}

class UnusableStoreTest : public testing::TestWithParam<UnusableStore>
{
};

bool resize(const QString& file, qint64 size)
{
    QFile f(file);
    return f.resize(size);
}

// As a newer program would leave the store.
bool raiseSchemaVersion(const QString& path)
{
    const auto built = store::Store::open(path);
    QSqlDatabase db = built->database();
    return QSqlQuery(db).exec("UPDATE meta SET value = '99' WHERE key = 'schema_version'");
}

bool overwriteStart(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadWrite) && f.write(QByteArray(100, 'x')) == 100;
}

TEST_P(UnusableStoreTest, TheMessageStaysAndTheLogNamesTheCause)
{
    const UnusableStore& c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath("store");
    store::Store::create(path).reset();
    std::unique_ptr<tw::test::ReadOnlyFolder> readOnly;
    if (!c.spoil(path, readOnly))
        GTEST_SKIP() << "the store cannot be spoilt so here"
                     << (readOnly ? ": " + readOnly->reason().toStdString() : std::string());
    QTemporaryDir logDir;
    ScriptedHost host;
    tw::OperationLog log(logDir.path(), "Tarnwick (1.0.0.1)", &host);
    tw::GwRefs refs;
    tw::RunState state;
    RecordingView view;
    store::StorePlatform platform(path);
    LibrarySession session(platform, {refs, state, log, host, view});
    EXPECT_FALSE(session.GWLogin());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[0].text, "Could not create a GroupWise Ole object.");
    const QString text = tw::test::dailyLogText(log);
    const QStringList lines = text.split("\r\n").filter("\tCould not create a GroupWise Ole object. ");
    ASSERT_EQ(lines.size(), 1) << text.toStdString();
    EXPECT_TRUE(lines[0].contains(QString::fromUtf8(c.cause))) << lines[0].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Stores, UnusableStoreTest,
    testing::Values(UnusableStore {"Missing", "No library store at ",
                                   [](const QString& path, auto&) { return QDir(path).removeRecursively(); }},
                    UnusableStore {"ReadOnly", "The library store is read-only (",
                                   [](const QString& path, auto& readOnly) {
                                       readOnly = std::make_unique<tw::test::ReadOnlyFolder>(path);
                                       return readOnly->usable();
                                   }},
                    UnusableStore {"Truncated", "database disk image is malformed",
                                   [](const QString& path, auto&) { return resize(path + "/store.db", 8192); }},
                    UnusableStore {"Corrupt", "file is not a database",
                                   [](const QString& path, auto&) { return overwriteStart(path + "/store.db"); }},
                    UnusableStore {"Empty", "holds no library store tables",
                                   [](const QString& path, auto&) { return resize(path + "/store.db", 0); }},
                    UnusableStore {"NewerSchema", "has schema version 99 of a newer program",
                                   [](const QString& path, auto&) { return raiseSchemaVersion(path); }}),
    [](const testing::TestParamInfo<UnusableStore>& info) { return std::string(info.param.label); });

struct LoginFault
{
    const char* member;
    int occurrence;
    int libraries; // entries listed
    const char* caption;
};

void PrintTo(const LoginFault& c, std::ostream* os)
{
    *os << c.member << "#" << c.occurrence;
}

class LoginFaultTest : public LibrarySessionTest, public testing::WithParamInterface<LoginFault>
{
};

TEST_P(LoginFaultTest, AnErrorAfterTheLoginIsShownAndTheProgramGoesOnWithWhatWasRead)
{
    const LoginFault& c = GetParam();
    addFault(c.member, c.occurrence);
    ASSERT_TRUE(m_session.GWLogin());
    EXPECT_EQ(messageTexts(), QStringList {QString(c.member) + " failed"});
    EXPECT_EQ(m_view.entries.size(), c.libraries);
    EXPECT_EQ(m_view.caption, c.caption);
    EXPECT_EQ(m_session.ownerName(), QString(c.member) == "Owner" ? QString() : QStringLiteral("Ann Archer"));
}

INSTANTIATE_TEST_SUITE_P(LoginSteps, LoginFaultTest,
                         testing::Values(LoginFault {"DocumentLibraries", 0, 0, "Tarnwick (Logged in as Ann Archer)"},
                                         LoginFault {"Count", 0, 0, "Tarnwick (Logged in as Ann Archer)"},
                                         LoginFault {"Item", 2, 1, "Tarnwick (Logged in as Ann Archer)"},
                                         LoginFault {"Owner", 0, 3, "Tarnwick (Logged in as <UNKNOWN>)"}),
                         [](const testing::TestParamInfo<LoginFault>& info) { return std::string(info.param.member); });

TEST_F(LibrarySessionTest, AnUnwritableLogAbandonsTheLoginOrSelectionWithItsMessageAndTheProgramGoesOn)
{
    ASSERT_TRUE(m_session.GWLogin());
    m_session.ComboB_LibsChange("LIB1 (DOM.PO1.LIB1)");
    ASSERT_TRUE(m_refs.selectedLibrary);
    ASSERT_TRUE(QDir(m_logDir.path()).removeRecursively());

    m_session.ComboB_LibsChange("EMPTY (DOM.PO2.EMPTY)");
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.startsWith("Cannot open the file ")) << m_host.messages[0].text.toStdString();
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_FALSE(m_host.busyCursor);

    m_host.messages.clear();
    EXPECT_TRUE(m_session.GWLogin()) << "the session stands; only the listing is abandoned";
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.startsWith("Cannot open the file "));
}

TEST_F(LibrarySessionTest, AnUnwritableDebugLogAbandonsTheAdministrationLoginWithItsMessage)
{
    m_log.setDebugMode(true);
    tw::PlatformSession session(*m_platform, {m_refs, m_state, m_log, m_host, m_view});
    ASSERT_TRUE(session.GWLogin());
    ASSERT_TRUE(QDir(m_logDir.path()).removeRecursively());
    EXPECT_FALSE(session.AdminLogin("ANN")) << "limited rights";
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.startsWith("Cannot open the file ")) << m_host.messages[0].text.toStdString();
    EXPECT_TRUE(session.adminUserNames().isEmpty());
}

// The window's busy gate marks the program busy before a selection; the selection is busy
// while it works and leaves the program as busy as it found it.
TEST_F(LibrarySessionTest, ASelectionLeavesTheProgramAsBusyAsItFoundIt)
{
    ASSERT_TRUE(m_session.GWLogin());
    bool busyInside = false;
    m_host.onPump = [&] { busyInside = busyInside || !m_state.OperationIdle; };
    m_session.ComboB_LibsChange("LIB1 (DOM.PO1.LIB1)");
    EXPECT_TRUE(busyInside);
    EXPECT_TRUE(m_state.OperationIdle);
    {
        const tw::BusyMark gate(m_state);
        m_session.ComboB_LibsChange("EMPTY (DOM.PO2.EMPTY)");
        EXPECT_FALSE(m_state.OperationIdle) << "the operation that made the selection stays busy";
    }
    EXPECT_EQ(m_refs.selectedLibrary->LibraryID(), "DOM.PO2.EMPTY");
}

TEST_F(LibrarySessionTest, SelectionFindsTheFirstLibraryWhoseIdentifierOccurs)
{
    ASSERT_TRUE(m_session.GWLogin());
    // DOM.PO1.LIB1 occurs inside the entry of LIB10 and comes first in the collection.
    m_session.ComboB_LibsChange("LIB10 (DOM.PO1.LIB10)");
    EXPECT_EQ(m_refs.selectedLibrary->LibraryID(), "DOM.PO1.LIB1");
    EXPECT_EQ(m_view.panel, (QStringList {"Currently Selected Library - LIB1", "3", "The first library"}));
    EXPECT_EQ(m_view.types, (QStringList {"", "Memo", "Contract"}));
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_EQ(m_view.clears, 1);
}

TEST_F(LibrarySessionTest, SelectionOffersTextAndNumericFieldsOnly)
{
    ASSERT_TRUE(m_session.GWLogin());
    m_session.ComboB_LibsChange("lib1 (dom.po1.lib1)");
    const QStringList fields {"Doc. Creator",       "Author", "Doc. Type", "Library", "Subject",
                              "Original File Type", "Size",   "Client",    "Value"};
    EXPECT_EQ(m_view.fields, fields);
    EXPECT_EQ(m_view.reporter, fields + tw::LibrarySelection::reporterExtraFields());
    EXPECT_EQ(m_view.rows, (QList<tw::AdditionalFieldRow> {{"Client", "Contains", "", "C"}, {"Value", "=", "", "N"}}));
    EXPECT_TRUE(m_view.moreFields);
    EXPECT_TRUE(logText().contains("\tChecking for User Defined Fields in - LIB1\r\n"));
}

TEST_F(LibrarySessionTest, EmptyLibraryShowsZeroAndNoFields)
{
    m_fixture.store().setSetting("MajorVersion", "3");
    ASSERT_TRUE(m_session.GWLogin());
    m_session.ComboB_LibsChange("EMPTY (DOM.PO2.EMPTY)");
    EXPECT_EQ(m_view.panel[1], "0");
    EXPECT_FALSE(m_view.moreFields);
    EXPECT_FALSE(m_view.fields.contains("Size")) << "major version 3 offers no Size";
    EXPECT_FALSE(m_view.reporter.contains("Size"));
    EXPECT_TRUE(logText().contains("\tNo User Defined Fields in - EMPTY\r\n"));
}

TEST_F(LibrarySessionTest, UnknownOrVanishedLibraryLeavesThePanelUnknownAndTheProgramIdle)
{
    ASSERT_TRUE(m_session.GWLogin());
    m_session.ComboB_LibsChange("Gone (DOM.PO9.GONE)");
    EXPECT_EQ(m_view.panel, (QStringList {"Currently Selected Library - <Unknown>", "0", "<Unknown>"}));
    EXPECT_TRUE(logText().contains("\tLibrary \"Gone (DOM.PO9.GONE)\" Not Accessible\r\n"));

    QSqlQuery(m_fixture.store().database()).exec("DELETE FROM libraries WHERE name = 'EMPTY'");
    m_session.ComboB_LibsChange("EMPTY (DOM.PO2.EMPTY)");
    EXPECT_FALSE(m_refs.selectedLibrary);
    EXPECT_EQ(m_view.panel[0], "Currently Selected Library - <Unknown>");
    EXPECT_TRUE(m_state.OperationIdle);
    EXPECT_FALSE(m_host.busyCursor);
}

TEST_F(LibrarySessionTest, LibrarianStatusNeedsAdminRightsAndTheCheck)
{
    m_fixture.builder().setLibraryRights("LIB1", "ANN", true);
    tw::KAVGWLib lib(*m_platform, m_log, m_host);
    const bool admin = lib.AdminLogin("ANN");
    ASSERT_TRUE(admin);
    ASSERT_TRUE(m_session.GWLogin());

    m_session.ComboB_LibsChange("LIB1 (DOM.PO1.LIB1)");
    EXPECT_EQ(m_view.librarian, "") << "no check without administration rights";
    EXPECT_FALSE(m_state.LibrarianAccess);

    m_session.selection().setAdminRights(
        admin, [&lib](const QString& id, const QString& user) { return lib.CheckLibrarian(id, user); });
    m_session.ComboB_LibsChange("LIB1 (DOM.PO1.LIB1)");
    EXPECT_EQ(m_view.librarian, "Librarian Access");
    EXPECT_TRUE(m_state.LibrarianAccess);
    EXPECT_TRUE(logText().contains("\tLibrarian Status Confirmed for LIB1\r\n"));

    m_session.ComboB_LibsChange("EMPTY (DOM.PO2.EMPTY)");
    EXPECT_EQ(m_view.librarian, "");
    EXPECT_FALSE(m_state.LibrarianAccess);
}

TEST_F(LibrarySessionTest, AnAdministrationErrorInTheLibrarianCheckOnlyLeavesTheStatusUnconfirmed)
{
    m_fixture.builder().setLibraryRights("LIB1", "ANN", true);
    // EMPTY gives ANN no rights of her own, so its default rights are read.
    for (const auto& [member, library] : {std::pair {"Domain", "LIB1"}, std::pair {"PostOffice", "LIB1"},
                                          std::pair {"IsLibrarian", "LIB1"}, std::pair {"DefaultRights", "EMPTY"}}) {
        SCOPED_TRACE(member);
        m_fixture.store().clearFaultRules();
        addFault(member, 0);
        tw::PlatformSession session(*m_platform, {m_refs, m_state, m_log, m_host, m_view});
        ASSERT_TRUE(session.GWLogin());
        ASSERT_TRUE(session.AdminLogin("ANN"));
        m_host.messages.clear();
        session.ComboB_LibsChange(QString(library) == QLatin1String("LIB1") ? "LIB1 (DOM.PO1.LIB1)"
                                                                            : "EMPTY (DOM.PO2.EMPTY)");
        EXPECT_TRUE(m_refs.selectedLibrary) << "the library is accessible";
        EXPECT_EQ(m_view.panel.value(2),
                  QString(library) == QLatin1String("LIB1") ? "The first library" : "Nothing in it");
        EXPECT_EQ(m_view.librarian, "");
        EXPECT_FALSE(m_state.LibrarianAccess);
        EXPECT_TRUE(m_host.messages.isEmpty());
        EXPECT_TRUE(m_state.OperationIdle);
    }
}

} // namespace
