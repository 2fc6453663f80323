#include "core/docinfo/DocInfo.h"

#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/docinfo/DocInfoView.h"
#include "core/docinfo/FieldCatalogue.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"
#include "support/ScriptedHost.h"

#include <gtest/gtest.h>

using tw::test::FixtureStore;
using tw::test::ScriptedHost;

namespace {

struct RecordingView : tw::DocInfoView
{
    void DocInfoClear() override
    {
        ++clears;
        entries.clear();
        selected.clear();
        count.clear();
        values = {};
        official = current = false;
    }
    void setNumberText(const QString& text) override { number = text; }
    void setVersions(const QStringList& list, const QString& chosen, bool on) override
    {
        entries = list;
        selected = chosen;
        enabled = on;
    }
    void setVersionCount(const QString& text) override { count = text; }
    void setOfficialCurrent(bool o, bool c) override
    {
        official = o;
        current = c;
    }
    void setValue(QString Values::*line, const QString& text) override { values.*line = text; }

    int clears = 0;
    QString number, selected, count;
    QStringList entries;
    bool enabled = false, official = false, current = false;
    Values values;
};

// LIB1: document 1 with one version, document 2 with twelve (official 3,
// current 12), document 3 by BOB that ANN may not see.
class DocInfoTest : public testing::Test
{
protected:
    DocInfoTest()
    {
        tw::DateTimeText::setLocaleForTesting(QLocale::c());
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "LIB1", "First");
        s.addDocumentType("LIB1", "Memo");
        store::NewDocument doc;
        doc.library = "LIB1";
        doc.subject = "Budget";
        doc.author = "ANN";
        doc.documentType = "Memo";
        store::NewVersion version;
        version.content = "12345";
        version.fileType = "doc";
        s.importDocument(doc, version);
        s.importDocument(doc, version);
        for (int i = 2; i <= 12; ++i)
            s.addVersion("LIB1", 2, version);
        store::VersionState official;
        official.officialVersion = 3;
        s.setVersionState("LIB1", 2, 3, official);
        doc.author = "BOB";
        s.importDocument(doc, version);
        store::RightsSpec closed;
        closed.general = store::LevelMasks {};
        closed.sharing = QList<store::SharingSpec> {};
        s.setRights("LIB1", 3, closed);
        login();
    }
    ~DocInfoTest() override { tw::DateTimeText::resetLocale(); }

    // A new session, as the program has after a start; it sees the store's fault rules.
    void login()
    {
        m_platform = m_fixture.platform();
        m_refs.session = m_platform->CreateSession();
        m_refs.account = m_refs.session->Login(QString(), QString(), QString(), 0);
        m_refs.selectedLibrary = m_refs.account->DocumentLibraries()->Item(1);
    }

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    ScriptedHost m_host;
    tw::OperationLog m_log {m_logDir.path(), "Tarnwick (1.0.0.1)", &m_host};
    std::shared_ptr<store::StorePlatform> m_platform = m_fixture.platform();
    tw::GwRefs m_refs;
    tw::FieldCatalogue m_catalogue {m_refs, m_log, m_host, [] { return false; }};
    RecordingView m_view;
    tw::DocInfo m_docInfo {m_refs, m_log, m_host, m_catalogue, m_view};
};

struct InputCase
{
    const char* label;
    const char* typed;
    const char* status;
};

class DocInfoInputTest : public DocInfoTest, public testing::WithParamInterface<InputCase>
{
};

TEST_P(DocInfoInputTest, ReportsOnTheStatusBarAndLeavesTheTabCleared)
{
    const InputCase& c = GetParam();
    m_docInfo.GetDocument(QString::fromLatin1(c.typed));
    EXPECT_TRUE(m_host.lastStatus().startsWith("Last Operation " + QString::fromLatin1(c.status)))
        << m_host.lastStatus().toStdString();
    EXPECT_TRUE(m_view.entries.isEmpty());
    EXPECT_EQ(m_view.values.subject, "");
    EXPECT_FALSE(m_refs.currentDocument);
    EXPECT_TRUE(m_host.messages.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    GetDocument, DocInfoInputTest,
    testing::Values(InputCase {"Empty", "   ", "No Document Number Specified"},
                    InputCase {"NotANumber", "12a", "Error: 12a is not a number ('12a' is not a valid integer value)"},
                    InputCase {"Zero", "0", "Error: Cannot Retrieve Document 0 ("},
                    InputCase {"Negative", "-4", "Error: Cannot Retrieve Document -4 ("},
                    InputCase {"OneAboveTheHighest", "4", "Document Number \"4\" Outside Library Range"},
                    InputCase {"Huge", "99999999999999", "Document Number \"99999999999999\" Outside Library Range"},
                    InputCase {"NotVisible", "3", "Error: Cannot Retrieve Document 3 ("}),
    [](const testing::TestParamInfo<InputCase>& info) { return info.param.label; });

TEST_F(DocInfoTest, OneVersionDisablesTheSelector)
{
    m_docInfo.GetDocument("001");
    EXPECT_EQ(m_view.number, "1");
    EXPECT_EQ(m_view.count, "1 Version");
    EXPECT_FALSE(m_view.enabled);
    EXPECT_EQ(m_view.values.subject, "Budget");
    EXPECT_EQ(m_view.values.author, "Ann Archer");
    EXPECT_EQ(m_view.values.documentType, "Memo");
    EXPECT_EQ(m_view.values.status, "Available");
    EXPECT_EQ(m_view.values.fileSize, "5 bytes");
    EXPECT_EQ(m_view.values.lastModifiedOn, "<Never>") << "never retrieved";
    EXPECT_TRUE(m_view.official);
    EXPECT_TRUE(m_view.current);
    EXPECT_EQ(m_host.lastStatus(), "Last Operation Completed retrieving information for Document 1");
    EXPECT_FALSE(m_refs.currentDocument) << "released when the view is filled";
}

TEST_F(DocInfoTest, TwelveVersionsAreListedAsTextAndStartOnTheOfficialOne)
{
    m_docInfo.GetDocument("2");
    EXPECT_EQ(m_view.entries, (QStringList {"1", "10", "11", "12", "2", "3", "4", "5", "6", "7", "8", "9"}));
    EXPECT_EQ(m_view.selected, "3");
    EXPECT_EQ(m_view.count, "12 Versions");
    EXPECT_TRUE(m_view.enabled);
    EXPECT_EQ(m_view.values.versionNumber, "3");
    EXPECT_TRUE(m_view.official);
    EXPECT_FALSE(m_view.current);

    m_docInfo.ComboB_VersChange("2", "12");
    EXPECT_EQ(m_view.values.versionNumber, "12");
    EXPECT_FALSE(m_view.official);
    EXPECT_TRUE(m_view.current);
}

TEST_F(DocInfoTest, AnErrorWhileTheTabIsFilledLeavesWhatWasShownSoFar)
{
    // A value line that cannot be read: the lines above it stay.
    store::FaultRule rule;
    rule.member = "StagedFileName";
    rule.document = 2;
    rule.message = "staging area offline";
    m_fixture.store().addFaultRule(rule);
    login();
    m_docInfo.GetDocument("2");
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "staging area offline");
    EXPECT_EQ(m_view.values.author, "Ann Archer");
    EXPECT_EQ(m_view.values.versionNumber, "3");
    EXPECT_EQ(m_view.values.stagedFileName, "");
    EXPECT_EQ(m_view.values.fileSize, "");
    EXPECT_EQ(m_view.entries.size(), 12);
}

TEST_F(DocInfoTest, AVersionThatFailsToReadIsSkipped)
{
    store::FaultRule rule;
    rule.member = "Item";
    rule.document = 2;
    rule.version = 5;
    rule.message = "damaged";
    m_fixture.store().addFaultRule(rule);
    login();
    // While the selector is filled the failure stops the listing; the versions read before stay.
    m_docInfo.GetDocument("2");
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "damaged");
    EXPECT_EQ(m_view.entries, (QStringList {"1", "2", "3", "4"}));
    EXPECT_EQ(m_view.count, "12 Versions");

    m_host.messages.clear();
    m_docInfo.ComboB_VersChange("2", "7");
    EXPECT_EQ(m_view.values.versionNumber, "7");
    EXPECT_TRUE(m_host.statusLines.contains("Last Operation Error: Cannot Retrieve Document Version 5 (damaged)"));
    m_docInfo.ComboB_VersChange("2", "5");
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_EQ(m_host.messages[0].text, "Document Versions not Found");
}

} // namespace
