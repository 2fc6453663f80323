#include "store/demo/DemoBuilder.h"

#include "gw/Error.h"
#include "gw/ObjectModel.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/StorePlatform.h"
#include "store/admin/AdminModel.h"
#include "store/demo/DemoDomain.h"
#include "store/directory/StoreDirectory.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The demo is built once for the whole suite (it holds over 2,000 documents) and reopened.
class DemoStoreTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_dir = new QTemporaryDir;
        store::DemoBuilder::build(s_dir->filePath("store"), "tester");
    }
    static void TearDownTestSuite()
    {
        delete s_dir;
        s_dir = nullptr;
    }
    void SetUp() override { m_store = store::Store::open(s_dir->filePath("store")); }

    qint64 count(const QString& sql)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db, sql).toLongLong();
    }

    // Content files hold what the versions say, of their type; purged content waits in the
    // salvage areas.
    void expectWholeContentAndSalvage()
    {
        QDir files(m_store->filesDirectory());
        int entries = 0;
        for (const QString& library : files.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
            entries += int(store::SalvageArea(files.filePath(library)).entries().size());
        EXPECT_EQ(entries, count("SELECT COUNT(*) FROM events WHERE event_type = 9"));

        QSqlDatabase db = m_store->database();
        auto rows = store::Sql::run(db,
                                    "SELECT l.directory, v.content_file, v.size, v.file_type FROM versions v"
                                    " JOIN documents d ON d.id = v.document_id JOIN libraries l ON l.id = d.library_id"
                                    " WHERE v.id IN (SELECT MIN(id) FROM versions WHERE size > 0 GROUP BY file_type)");
        int checked = 0;
        while (rows.next()) {
            QFile file(m_store->libraryDirectory(rows.value(0).toString()) + "/" + rows.value(1).toString());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
            const QByteArray bytes = file.readAll();
            EXPECT_EQ(bytes.size(), rows.value(2).toLongLong());
            const QString type = rows.value(3).toString();
            if (type == "pdf") {
                EXPECT_TRUE(bytes.startsWith("%PDF-1.4") && bytes.trimmed().endsWith("%%EOF"));
            } else if (type == "htm") {
                EXPECT_TRUE(bytes.startsWith("<!DOCTYPE html>"));
            } else if (type == "rtf") {
                EXPECT_TRUE(bytes.startsWith("{\\rtf1"));
            }
            ++checked;
        }
        EXPECT_GE(checked, 10);
    }

    static QTemporaryDir* s_dir;
    std::shared_ptr<store::Store> m_store;
};

QTemporaryDir* DemoStoreTest::s_dir = nullptr;

struct VarietyCase
{
    const char* label;
    const char* sql;
    qint64 atLeast;
    qint64 atMost;
};

// Each row counts one kind of thing the demo promises.
const VarietyCase kVariety[] = {
    {"PostOffices", "SELECT COUNT(*) FROM post_offices", 2, 2},
    {"ActiveUsers", "SELECT COUNT(*) FROM users WHERE active <> 0", 12, 12},
    {"UsersNoLongerInSystem", "SELECT COUNT(*) FROM users WHERE active = 0", 1, 1},
    {"DistributionLists", "SELECT COUNT(*) FROM distribution_lists", 2, 2},
    {"Libraries", "SELECT COUNT(*) FROM libraries", 3, 3},
    {"BigLibrary", "SELECT COUNT(*) FROM documents d JOIN libraries l ON l.id = d.library_id WHERE l.name = 'Projects'",
     2000, 2000},
    {"TextNumericDateFields",
     "SELECT COUNT(DISTINCT field_type) FROM field_definitions f JOIN libraries l ON l.id = f.library_id"
     " WHERE l.name = 'Contracts'",
     3, 3},
    {"SingleVersionDocuments",
     "SELECT COUNT(*) FROM (SELECT document_id FROM versions GROUP BY document_id HAVING COUNT(*) = 1)", 500, 2000},
    {"MostVersions", "SELECT MAX(c) FROM (SELECT COUNT(*) c FROM versions GROUP BY document_id)", 12, 12},
    {"FileTypes", "SELECT COUNT(DISTINCT file_type) FROM versions", 10, 20},
    {"CheckedOutByOsUser",
     "SELECT COUNT(*) FROM versions WHERE checked_out <> 0 AND retriever_id = (SELECT id FROM users"
     " WHERE user_id = 'TESTER')",
     10, 1000},
    {"CheckedOutByOthers",
     "SELECT COUNT(*) FROM versions WHERE checked_out <> 0 AND retriever_id <> (SELECT id FROM users"
     " WHERE user_id = 'TESTER')",
     10, 1000},
    {"Archived", "SELECT COUNT(*) FROM versions WHERE archived <> 0", 50, 5000},
    {"InUse", "SELECT COUNT(*) FROM versions WHERE in_use <> 0", 5, 1000},
    {"ReadWrite", "SELECT COUNT(*) FROM versions WHERE read_write <> 0", 5, 1000},
    {"NeverRetrieved", "SELECT COUNT(*) FROM versions WHERE retriever_id IS NULL", 1000, 10000},
    {"ZeroSize", "SELECT COUNT(*) FROM versions WHERE size = 0 AND content_file <> ''", 20, 1000},
    {"OfficialBeforeCurrent", "SELECT COUNT(*) FROM documents WHERE official_version < current_version", 50, 2000},
    {"ExplicitDenies", "SELECT COUNT(*) FROM rights WHERE kind = 2 AND revoke_all <> 0", 20, 1000},
    {"EntriesForFormerUsers",
     "SELECT COUNT(*) FROM rights r JOIN users u ON u.id = r.user_id WHERE r.kind = 2 AND u.active = 0", 10, 1000},
    {"EntriesForNobody", "SELECT COUNT(*) FROM rights WHERE kind = 2 AND user_id IS NULL AND list_id IS NULL", 10,
     1000},
    {"EntriesForLists", "SELECT COUNT(*) FROM rights WHERE kind = 2 AND list_id IS NOT NULL", 10, 2000},
    {"PurgedVersions", "SELECT COUNT(DISTINCT version_id) FROM events WHERE event_type = 9", 20, 1000},
    {"EventKinds", "SELECT COUNT(DISTINCT event_type) FROM events", 16, 20},
    {"UnknownEventKinds", "SELECT COUNT(*) FROM events WHERE event_type IN (3, 5)", 10, 10000},
    {"AddressBooks", "SELECT COUNT(*) FROM address_books", 2, 2},
    {"DirectoryUsers",
     "SELECT COUNT(*) FROM directory_objects o JOIN directory_attributes a ON a.object_id = o.id"
     " WHERE a.name = 'NGW: Object ID'",
     12, 12},
};

// One test walks the whole table: every test process builds its own demo, so the rows share one.
TEST_F(DemoStoreTest, HasThePromisedVariety)
{
    for (const auto& c : kVariety) {
        SCOPED_TRACE(c.label);
        const qint64 n = count(c.sql);
        EXPECT_GE(n, c.atLeast) << c.sql;
        EXPECT_LE(n, c.atMost) << c.sql;
    }
    expectWholeContentAndSalvage();
}

// The demo is built beside its place and renamed into it: the events name its files where they lie
// now, and nothing of the building is left beside it.
TEST_F(DemoStoreTest, NamesItsFilesWhereTheyLieAndLeavesNothingBeside)
{
    const QString place = s_dir->filePath("store") + "/";
    QSqlDatabase db = m_store->database();
    auto names = store::Sql::run(db,
                                 "SELECT f.file_name, v.content_file FROM events f JOIN versions v ON v.id = "
                                 "f.version_id WHERE f.event_type = 1 AND v.content_file <> '' AND f.file_name "
                                 "LIKE '%' || v.content_file");
    int named = 0;
    while (names.next()) {
        // Some of the demo's content files are missing on purpose; their folders are there.
        const QString file = place + names.value(0).toString();
        EXPECT_TRUE(QFileInfo(QFileInfo(file).path()).isDir()) << file.toStdString();
        ++named;
    }
    EXPECT_GT(named, 2000);
    EXPECT_EQ(QDir(s_dir->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList {"store"});
}

TEST_F(DemoStoreTest, OsUserIsClientAndDomainAdministratorFoundThroughTheDirectory)
{
    EXPECT_EQ(m_store->clientUser(), "TESTER");
    store::StoreDirectory directory(m_store);
    directory.NWCallsInit();
    directory.NWDSCreateContext();
    QStringList id, office, domain;
    ASSERT_EQ(directory.ReadAttribute("TESTER", "NGW: Object ID", id).code, 0);
    EXPECT_EQ(id, QStringList({"TESTER"}));
    ASSERT_EQ(directory.ReadAttribute("TESTER", "NGW: Post Office", office).code, 0);
    ASSERT_EQ(directory.ReadAttribute(office.first(), "NGW: Domain", domain).code, 0);
    QString canonical;
    ASSERT_EQ(directory.CanonicalDN(domain.first(), canonical).code, 0);
    EXPECT_EQ(directory.ReadAttribute("GUEST", "NGW: Object ID", id).code, gw::DirectoryNoSuchAttribute);

    store::AdminModel admin(m_store);
    ASSERT_NO_THROW(admin.ConnectbyDN(canonical, ""));
    auto offices = admin.PostOffices();
    QStringList librarianOf;
    auto it = offices->CreateIterator();
    while (auto po = it->Next()) {
        auto libs = po->Libraries()->CreateIterator();
        while (auto lib = libs->Next()) {
            try {
                if (lib->DMSAccessRights()->Item("TESTER", 6)->IsLibrarian())
                    librarianOf << lib->Name();
            } catch (const gw::Error&) {
                EXPECT_FALSE(lib->DefaultRights()->IsLibrarian()) << lib->Name().toStdString();
            }
        }
    }
    EXPECT_EQ(librarianOf, QStringList({"Projects"}));

    // The program's own session logs in as the client user and reaches the big library.
    store::StorePlatform platform(s_dir->filePath("store"));
    auto account = platform.CreateSession()->Login("", "", "", 0);
    auto projects = account->DefaultDocumentLibrary();
    EXPECT_EQ(projects->LibraryID(), "TARNWICK.HQPO.Projects");
    EXPECT_EQ(projects->NextDocumentNumber(), store::DemoBuilder::ProjectsDocuments + 1);
    EXPECT_GE(projects->GetDocument("1500")->DocumentVersions()->Count(), 1);
}

TEST(DemoBuilderTest, RefusesAnExistingStoreAndAnUnusableUser)
{
    QTemporaryDir dir;
    store::Store::create(dir.filePath("taken"));
    EXPECT_THROW(store::DemoBuilder::build(dir.filePath("taken"), "tester"), store::StoreError);
    EXPECT_THROW(store::DemoBuilder::build(dir.filePath("fresh"), "<UNKNOWN>"), store::StoreError);
    EXPECT_FALSE(QDir(dir.filePath("fresh")).exists());
}

} // namespace
