#include "core/docinfo/FieldCatalogue.h"

#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/DailyLog.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"
#include "support/ScriptedHost.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using tw::FieldCatalogue;
using tw::test::FixtureStore;
using tw::test::ScriptedHost;

namespace {

const QDateTime kCreated(QDate(2025, 3, 4), QTime(9, 30, 0));
const QDateTime kUsed(QDate(2026, 1, 2), QTime(14, 15, 16));

// One document in LIB1: version 1 by ANN, retrieved by BOB; version 2 by BOB, never retrieved.
class CatalogueFixture : public testing::Test
{
protected:
    CatalogueFixture()
    {
        tw::DateTimeText::setLocaleForTesting(QLocale::c());
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "LIB1", "First");
        s.addDocumentType("LIB1", "Memo");
        s.addFieldDefinition("LIB1", "Client", 1);
        s.addFieldDefinition("LIB1", "Value", 2);
        s.addFieldDefinition("LIB1", "Renewal", 3);
        store::NewDocument doc;
        doc.library = "LIB1";
        doc.subject = "  Project Alpha 2024 \t";
        doc.author = "ANN";
        doc.documentType = "Memo";
        doc.fields = {{"Client", "Acme"}, {"Value", 42}};
        store::NewVersion first;
        first.content = "text";
        first.fileType = "txt";
        first.created = kCreated;
        first.description = "First draft";
        s.importDocument(doc, first);
        store::NewVersion second = first;
        second.creator = "BOB";
        second.content = QByteArray(1048577, 'x');
        second.description = "Second";
        s.addVersion("LIB1", 1, second);
        store::VersionState used;
        used.retriever = QString("BOB");
        used.retrieved = kUsed;
        s.setVersionState("LIB1", 1, 1, used);
    }
    ~CatalogueFixture() override { tw::DateTimeText::resetLocale(); }

    // Logs in, selects LIB1 and makes document 1 version `version` current.
    void open(int version)
    {
        m_refs.session = m_platform->CreateSession();
        m_refs.account = m_refs.session->Login(QString(), QString(), QString(), 0);
        m_refs.selectedLibrary = m_refs.account->DocumentLibraries()->Item(1);
        m_refs.currentDocument = m_refs.selectedLibrary->GetDocument("1");
        m_refs.currentVersion = m_refs.currentDocument->DocumentVersions()->Item(version);
    }
    QString logText() { return tw::test::dailyLogText(m_log); }

    FixtureStore m_fixture;
    QTemporaryDir m_logDir;
    ScriptedHost m_host;
    tw::OperationLog m_log {m_logDir.path(), "Tarnwick (1.0.0.1)", &m_host};
    std::shared_ptr<store::StorePlatform> m_platform = m_fixture.platform();
    tw::GwRefs m_refs;
    bool m_useUserId = false;
    FieldCatalogue m_catalogue {m_refs, m_log, m_host, [this] { return m_useUserId; }};
};

struct FieldCase
{
    const char* field;
    int version;
    bool useUserId;
    const char* expected;
};

class CatalogueTest : public CatalogueFixture, public testing::WithParamInterface<FieldCase>
{
};

TEST_P(CatalogueTest, ReadsTheField)
{
    const FieldCase& c = GetParam();
    open(c.version);
    m_useUserId = c.useUserId;
    EXPECT_EQ(m_catalogue.GetGWFieldNames(QString::fromLatin1(c.field)), QString::fromLatin1(c.expected));
    EXPECT_FALSE(m_host.busyCursor) << "the cursor is restored";
}

INSTANTIATE_TEST_SUITE_P(
    GetGWFieldNames, CatalogueTest,
    testing::Values(FieldCase {"Author", 2, false, "Ann Archer"}, FieldCase {"Author", 2, true, "ANN"},
                    FieldCase {"Doc. Creator", 2, false, "Bob Baker"}, FieldCase {"Doc. Creator", 2, true, "ANN"},
                    FieldCase {"Doc. Type", 1, false, "Memo"}, FieldCase {"Library", 1, false, "LIB1"},
                    FieldCase {"Subject", 1, false, "Project Alpha 2024"},
                    FieldCase {"Description", 2, false, "Second"},
                    FieldCase {"Date Created", 1, false, "04/03/2025 09:30:00"},
                    FieldCase {"Date Last Used", 1, false, "02/01/2026 14:15:16"},
                    FieldCase {"Date Last Used", 2, false, "<Never>"},
                    FieldCase {"Expiration Date", 1, false, "<Never>"},
                    FieldCase {"Doc. Status", 1, false, "Available"}, FieldCase {"Original File Type", 1, false, "txt"},
                    FieldCase {"Staged File Name", 1, false, ""}, FieldCase {"Last Used By", 1, false, "Bob Baker"},
                    FieldCase {"Last Used By", 1, true, "BOB"}, FieldCase {"Size", 1, false, "4"},
                    FieldCase {"Size", 2, false, "1048577"}, FieldCase {"Client", 1, false, "Acme"},
                    FieldCase {"Value", 1, false, "42"}, FieldCase {"Renewal", 1, false, ""},
                    FieldCase {"author", 1, false, ""}, FieldCase {"No Such Field", 1, false, ""}),
    [](const testing::TestParamInfo<FieldCase>& info) {
        QString name = QString::fromLatin1(info.param.field) + QString::number(info.param.version)
            + (info.param.useUserId ? "UserID" : "");
        name.remove(QRegularExpression("[^A-Za-z0-9]"));
        return name.toStdString();
    });

struct FailureCase
{
    const char* field;
    const char* member;
    const char* word;
    const char* failureValue;
};

class CatalogueFailureTest : public CatalogueFixture, public testing::WithParamInterface<FailureCase>
{
};

TEST_P(CatalogueFailureTest, LogsAndGivesTheFailureValue)
{
    const FailureCase& c = GetParam();
    store::FaultRule rule;
    rule.member = QString::fromLatin1(c.member);
    rule.message = "boom";
    m_fixture.store().addFaultRule(rule);
    open(2);
    EXPECT_EQ(m_catalogue.GetGWFieldNames(QString::fromLatin1(c.field)), QString::fromLatin1(c.failureValue));
    const QString message = QStringLiteral("Error on %1 for Document 1 Version 2  - Error (boom)").arg(c.word);
    EXPECT_EQ(m_host.lastStatus(), "Last Operation " + message);
    EXPECT_TRUE(logText().contains("\t" + message + "\r\n")) << logText().toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    GetGWFieldNames, CatalogueFailureTest,
    testing::Values(FailureCase {"Author", "Author", "Author", "Author Failed"},
                    FailureCase {"Doc. Creator", "Creator", "Creator", "Creator Failed"},
                    FailureCase {"Doc. Type", "DocumentType", "Document Type", "Document Type Failed"},
                    FailureCase {"Library", "Name", "Library", "Library Failed"},
                    FailureCase {"ODMA Document ID", "ODMADocumentID", "ODMA Document ID", "ODMA ID Failed"},
                    FailureCase {"Subject", "Subject", "Subject", "Subject Failed"},
                    FailureCase {"Description", "Description", "Description", "Description Failed"},
                    FailureCase {"Date Created", "CreationDate", "Date Created", "Date Created Failed"},
                    FailureCase {"Date Last Used", "RetrievalDate", "Date Last Used", "Date Last Used Failed"},
                    FailureCase {"Expiration Date", "ExpirationDate", "Expiration Date", "Expiration Date Failed"},
                    FailureCase {"Original File Type", "OriginalFileType", "Original File Type",
                                 "Original File Type Failed"},
                    FailureCase {"Staged File Name", "StagedFileName", "Staged File Name", "Staged File Name Failed"},
                    FailureCase {"Last Used By", "Retriever", "Last Used By", "Last Used By Failed"},
                    FailureCase {"Size", "DocumentSize", "Size", "Size Failed"}),
    [](const testing::TestParamInfo<FailureCase>& info) {
        QString name = QString::fromLatin1(info.param.field);
        name.remove(QRegularExpression("[^A-Za-z0-9]"));
        return name.toStdString();
    });

TEST_F(CatalogueFixture, StatusWordTakesTheLastTrueFlag)
{
    struct Flags
    {
        bool archived, checkedOut, inUse, readWrite;
        const char* word;
    };
    const Flags cases[] = {{true, false, false, false, "Archived"},
                           {false, true, false, false, "Checked Out"},
                           {false, true, true, false, "In Use"},
                           {true, false, false, true, "Downloaded"},
                           {true, true, false, false, "Checked Out"}};
    for (const Flags& f : cases) {
        store::VersionState state;
        state.archived = f.archived;
        state.checkedOut = f.checkedOut;
        state.inUse = f.inUse;
        state.readWrite = f.readWrite;
        m_fixture.builder().setVersionState("LIB1", 1, 1, state);
        open(1);
        EXPECT_EQ(m_catalogue.GetGWFieldNames("Doc. Status"), QString::fromLatin1(f.word));
    }
}

TEST_F(CatalogueFixture, ChangingFlagsKeepsANeverRetrievedVersionNeverRetrieved)
{
    store::VersionState state;
    state.archived = true;
    m_fixture.builder().setVersionState("LIB1", 1, 2, state);
    open(2);
    EXPECT_EQ(m_catalogue.GetGWFieldNames("Date Last Used"), "<Never>");
    EXPECT_EQ(m_catalogue.GetGWFieldNames("Doc. Status"), "Archived");
}

TEST_F(CatalogueFixture, ProbingSizeSearchGivesExactSizesAndLeavesNoReference)
{
    m_fixture.store().setSetting("MajorVersion", "3");
    m_fixture.builder().addVersion("LIB1", 1, [] {
        store::NewVersion empty;
        empty.content = QByteArray();
        empty.fileType = "txt";
        return empty;
    }());
    m_fixture.builder().addVersion("LIB1", 1, [] {
        store::NewVersion mega;
        mega.content = QByteArray(1048576, 'm');
        mega.fileType = "bin";
        return mega;
    }());
    const struct
    {
        int version;
        qint64 size;
    } cases[] = {{1, 4}, {2, 1048577}, {3, 0}, {4, 1048576}};
    for (const auto& c : cases) {
        open(c.version);
        m_host.statusLines.clear();
        EXPECT_EQ(m_catalogue.GetDocSize(), c.size) << "version " << c.version;
        const int probes = static_cast<int>(m_host.statusLines.filter("Checking for Size ").size());
        if (c.size == 0) {
            EXPECT_EQ(m_host.statusLines,
                      (QStringList {"Last Operation Checking for Size 1048576",
                                    "Last Operation Checking for Size 524288", "Last Operation Checking for Size 0"}));
        }
        EXPECT_GE(probes, 3);
    }
    EXPECT_EQ(m_refs.account->DocumentsFolder()->Messages()->Count(), 0);
    m_refs.account->Trash()->Refresh();
    EXPECT_EQ(m_refs.account->Trash()->TrashEntries()->Count(), 0);
    EXPECT_TRUE(m_catalogue.GetZeroDocSize() == false);
}

TEST_F(CatalogueFixture, SizeFailureStillRemovesTheReference)
{
    store::FaultRule rule;
    rule.member = "DocumentSize";
    rule.message = "unreadable";
    m_fixture.store().addFaultRule(rule);
    open(1);
    EXPECT_EQ(m_catalogue.GetGWFieldNames("Size"), "Size Failed");
    EXPECT_EQ(m_refs.account->DocumentsFolder()->Messages()->Count(), 0);
    m_refs.account->Trash()->Refresh();
    EXPECT_EQ(m_refs.account->Trash()->TrashEntries()->Count(), 0);
}

} // namespace
