#include "core/account/KAVGWLib.h"

#include "core/app/OperationLog.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "store/directory/DirectoryWriter.h"
#include "support/DailyLog.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"
#include "support/ScriptedHost.h"

#include <QFile>
#include <gtest/gtest.h>

using tw::KAVGWLib;
using tw::test::FixtureStore;
using tw::test::ScriptedHost;

namespace {

class KAVGWLibTest : public testing::Test
{
protected:
    KAVGWLibTest()
    {
        m_log.setDebugMode(true);
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "LIB1", "First");
        s.addLibrary("PO1", "LIB10", "Tenth");
        s.addLibrary("PO2", "LIB2", "Second");
        s.setLibraryRights("LIB1", "ANN", true);
        s.setLibraryRights("LIB10", "ANN", false);
    }

    QString logText() { return tw::test::dailyLogText(m_log); }
    QStringList messageTexts() const
    {
        QStringList texts;
        for (const auto& m : m_host.messages)
            texts << m.text;
        return texts;
    }

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    ScriptedHost m_host;
    tw::OperationLog m_log {m_logDir.path(), "Tarnwick (1.0.0.1)", &m_host};
    std::shared_ptr<store::StorePlatform> m_platform = m_fixture.platform();
    KAVGWLib m_lib {*m_platform, m_log, m_host};
};

TEST_F(KAVGWLibTest, AdministratorLogsIntoTheDomainAndListsPeople)
{
    ASSERT_TRUE(m_lib.AdminLogin("ANN"));
    EXPECT_TRUE(m_host.messages.isEmpty()) << messageTexts().join('|').toStdString();
    QStringList users;
    QStringList lists;
    m_lib.GetPOUsers(users);
    m_lib.GetPODLists(lists);
    EXPECT_EQ(users, (QStringList {"Ann Archer", "Bob Baker", "Carol Cook"}));
    EXPECT_EQ(lists, QStringList {"Team"});
    const QString log = logText();
    EXPECT_TRUE(log.startsWith("VUZADO Logging - Initialised at ")) << log.toStdString();
    EXPECT_TRUE(log.contains("\tVUZADO: Found NGW: Object ID - ANN\r\n"));
    EXPECT_TRUE(log.contains("\tVUZADO: Found Distinguished Domain Name - DOM.DOM\r\n")) << log.toStdString();
    EXPECT_TRUE(log.contains("\tVUZADO: Domain Login Succeeded\r\n"));
    EXPECT_TRUE(log.contains("\tVUZADO: Adding User for Bob Baker BOB\r\n"));
    EXPECT_TRUE(log.contains("\tVUZADO: Adding Distribution List for Team\r\n"));
}

TEST_F(KAVGWLibTest, LibrarianCheckUsesExplicitThenDefaultRights)
{
    ASSERT_TRUE(m_lib.AdminLogin("ANN"));
    EXPECT_TRUE(m_lib.CheckLibrarian("DOM.PO1.LIB1", "ANN"));
    EXPECT_FALSE(m_lib.CheckLibrarian("DOM.PO1.LIB10", "ANN"));
    EXPECT_FALSE(m_lib.CheckLibrarian("DOM.PO2.LIB2", "ANN"));
    m_fixture.builder().setLibraryDefaultRights("LIB2", true);
    EXPECT_TRUE(m_lib.CheckLibrarian("DOM.PO2.LIB2", "ANN"));
    const QString log = logText();
    EXPECT_TRUE(log.contains("VUZADO: ANN successfully identified as a Librarian for DOM.PO1.LIB1\r\n"));
    EXPECT_TRUE(log.contains("VUZADO: ANN failed to be identified as a Librarian for DOM.PO1.LIB10\r\n"));
    EXPECT_TRUE(log.contains("VUZADO: Specific Rights for ANN cannot be found - Default Rights Used\r\n"));
    EXPECT_TRUE(m_host.messages.isEmpty()) << messageTexts().join('|').toStdString();
}

TEST_F(KAVGWLibTest, UnknownLibraryGivesNoLibrarianStatus)
{
    ASSERT_TRUE(m_lib.AdminLogin("ANN"));
    EXPECT_FALSE(m_lib.CheckLibrarian("DOM.PO1.NOPE", "ANN"));
    EXPECT_FALSE(m_lib.CheckLibrarian("dom.po1.lib1", "ANN")) << "identifiers compare case-sensitively";
    EXPECT_TRUE(logText().contains("VUZADO: ANNFailed to obtion library information for DOM.PO1.NOPE using ANN\r\n"));
    EXPECT_FALSE(m_lib.KGWALibInfo("ANN", "   "));
    EXPECT_EQ(messageTexts(), QStringList {"No Library Name Specified to KGWALibInfo"});
}

TEST_F(KAVGWLibTest, RightsErrorsFallBackToTheDefaultRights)
{
    store::FaultRule rule;
    rule.member = "Item";
    rule.library = "LIB1";
    rule.message = "The rights server is busy";
    m_fixture.store().addFaultRule(rule);
    m_fixture.builder().setLibraryDefaultRights("LIB1", false);
    store::StorePlatform platform(m_fixture.path());
    KAVGWLib lib(platform, m_log, m_host);
    ASSERT_TRUE(lib.AdminLogin("ANN"));
    EXPECT_FALSE(lib.CheckLibrarian("DOM.PO1.LIB1", "ANN")) << "the default rights decide";
    EXPECT_EQ(messageTexts(), QStringList {"Some Other Ole Error The rights server is busy"});
    EXPECT_TRUE(logText().contains("VUZADO: Some other OLE Error The rights server is busy\r\n"));
}

TEST_F(KAVGWLibTest, AFailingPostOfficeLookupLeavesLimitedRights)
{
    store::DirectoryWriter::putObject(m_fixture.store(), "CN=ANN.OU=Staff.O=Org", "User",
                                      {{"NGW: Post Office", {"CN=PO9.O=DOM"}}});
    store::DirectoryWriter::putObject(m_fixture.store(), "CN=PO9.O=DOM", "NGW: Post Office",
                                      {{"NGW: Domain", {"CN=DOM.O=DOM"}}, {"CN", {"PO9"}}});
    EXPECT_FALSE(m_lib.AdminLogin("ANN"));
    ASSERT_EQ(m_host.messages.size(), 1);
    EXPECT_TRUE(m_host.messages[0].text.startsWith("Domain Login Failed (")) << m_host.messages[0].text.toStdString();
    QStringList users;
    m_lib.GetPOUsers(users);
    EXPECT_TRUE(users.isEmpty());
}

struct RefusalCase
{
    const char* label;
    const char* user;
    const char* message; // empty: no message box
    const char* logLine;
};

class AdminRefusalTest : public KAVGWLibTest, public testing::WithParamInterface<RefusalCase>
{
};

TEST_P(AdminRefusalTest, GivesLimitedRights)
{
    const RefusalCase& c = GetParam();
    // CAROL's post office lacks its domain in the directory.
    store::DirectoryWriter::putObject(m_fixture.store(), "CN=PO2.O=DOM", "NGW: Post Office",
                                      {{"CN", {"PO2"}}, {"NGW: Domain", {}}});
    // The administration object acts for the workstation's client user.
    if (m_fixture.store().userRow(QString::fromLatin1(c.user)) != 0)
        m_fixture.store().setClientUser(QString::fromLatin1(c.user));
    EXPECT_FALSE(m_lib.AdminLogin(QString::fromLatin1(c.user)));
    EXPECT_EQ(messageTexts(), *c.message ? QStringList {QString::fromLatin1(c.message)} : QStringList {});
    EXPECT_TRUE(logText().contains(QString::fromLatin1(c.logLine))) << logText().toStdString();
    QStringList users;
    m_lib.GetPOUsers(users);
    EXPECT_TRUE(users.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    AdminLogin, AdminRefusalTest,
    testing::Values(RefusalCase {"NotAnAdministrator", "BOB", "Domain Login Failed", "VUZADO: Domain Login Failed"},
                    RefusalCase {"NoDirectoryAccount", "DAVE", "No GroupWise Account Found",
                                 "VUZADO: Completed Domain Name Search"},
                    RefusalCase {"PostOfficeWithoutDomain", "CAROL", "",
                                 "VUZADO: Failed to Find 'NGW: Domain' for Post Office CN=PO2.O=DOM"}),
    [](const testing::TestParamInfo<RefusalCase>& info) { return info.param.label; });

TEST(KAVGWLibPlatform, NoStoreMeansNoAdministrationObject)
{
    QTemporaryDir dir;
    ScriptedHost host;
    tw::OperationLog log(dir.path(), "Tarnwick (1.0.0.1)", &host);
    store::StorePlatform platform(dir.filePath("nothing-here"));
    KAVGWLib lib(platform, log, host);
    EXPECT_FALSE(lib.AdminLogin("ANN"));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[0].text, "Groupwise Library Could not create a GroupWise Admin Ole object.");
}

} // namespace
