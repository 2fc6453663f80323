#include "store/demo/Generator.h"

#include "gw/ObjectModel.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreError.h"
#include "store/StorePlatform.h"
#include "support/TestBackend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using store::Generator;

class GeneratorTest : public ::testing::Test
{
protected:
    void SetUp() override { m_store = tw::test::createStore(path()); }
    QString path() const { return m_dir.filePath("store"); }

    qint64 count(const QString& sql)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db, sql).toLongLong();
    }
    QString libraryFolder()
    {
        QSqlDatabase db = m_store->database();
        return m_store->libraryDirectory(
            store::Sql::scalar(db, "SELECT directory FROM libraries WHERE name = 'Bench'").toString());
    }
    QStringList contentFiles() { return QDir(libraryFolder()).entryList({"G*"}, QDir::Files, QDir::Name); }

    QTemporaryDir m_dir;
    std::shared_ptr<store::Store> m_store;
};

TEST_F(GeneratorTest, DocumentsVersionsEventsAndFilesReadableThroughTheObjectModel)
{
    const auto result = Generator::generate(*m_store, "Bench", 20, 3);
    EXPECT_EQ(result.firstNumber, 1);
    EXPECT_EQ(result.lastNumber, 20);
    EXPECT_EQ(result.versions, 60);
    EXPECT_EQ(count("SELECT COUNT(*) FROM versions"), 60);
    EXPECT_EQ(count("SELECT COUNT(*) FROM events WHERE event_type = 1"), 60);
    EXPECT_EQ(contentFiles().size(), 60);

    m_store->setClientUser("BENCH");
    store::StorePlatform platform(path());
    auto account = platform.CreateSession()->Login("", "", "", 0);
    auto library = account->DefaultDocumentLibrary();
    ASSERT_EQ(library->Name(), "Bench");
    EXPECT_EQ(library->NextDocumentNumber(), 21);
    auto document = library->GetDocument("7");
    EXPECT_EQ(document->DocumentVersions()->Count(), 3);
    EXPECT_EQ(document->CurrentVersion()->VersionNumber(), 3);
    QTemporaryDir out;
    document->DocumentVersions()->Item(2)->Copyout(out.filePath("copy.txt"));
    QFile copy(out.filePath("copy.txt"));
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), "Document 7 version 2\r\n");
}

TEST_F(GeneratorTest, NumbersGoOnFromTheHighest)
{
    Generator::generate(*m_store, "Bench", 5, 1);
    const auto second = Generator::generate(*m_store, "Bench", 4, 2);
    EXPECT_EQ(second.firstNumber, 6);
    EXPECT_EQ(second.lastNumber, 9);
    EXPECT_EQ(count("SELECT COUNT(*) FROM documents"), 9);
    EXPECT_EQ(contentFiles().size(), 13);
}

struct BadCountCase
{
    const char* label;
    qint64 documents;
    int versions;
    const char* library;
};

class GeneratorBadInputTest : public GeneratorTest, public ::testing::WithParamInterface<BadCountCase>
{
};

TEST_P(GeneratorBadInputTest, RefusedAndNothingWritten)
{
    const auto& c = GetParam();
    EXPECT_THROW(Generator::generate(*m_store, c.library, c.documents, c.versions), store::StoreError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM documents"), 0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM libraries"), 0);
}

INSTANTIATE_TEST_SUITE_P(Inputs, GeneratorBadInputTest,
                         ::testing::Values(BadCountCase {"NoDocuments", 0, 3, "Bench"},
                                           BadCountCase {"NegativeDocuments", -5, 3, "Bench"},
                                           BadCountCase {"HugeDocuments", Generator::MaxDocuments + 1, 3, "Bench"},
                                           BadCountCase {"NoVersions", 10, 0, "Bench"},
                                           BadCountCase {"TooManyVersions", 10, Generator::MaxVersions + 1, "Bench"},
                                           BadCountCase {"NoLibraryName", 10, 3, "  "}),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(GeneratorTest, FailureHalfWayLeavesStoreAndFilesAsTheyWere)
{
    Generator::generate(*m_store, "Bench", 2, 1);
    const QStringList before = contentFiles();
    // A file already where the fourth new version's content would go stops the run there.
    QSqlDatabase db = m_store->database();
    const qint64 fourth = store::Sql::scalar(db, "SELECT MAX(id) FROM versions").toLongLong() + 4;
    const QString blocker = QStringLiteral("G%1.TXT").arg(fourth, 7, 16, QLatin1Char('0')).toUpper();
    QFile file(libraryFolder() + "/" + blocker);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("someone's file");
    file.close();

    EXPECT_THROW(Generator::generate(*m_store, "Bench", 10, 2), store::StoreError);
    EXPECT_EQ(count("SELECT COUNT(*) FROM documents"), 2);
    EXPECT_EQ(count("SELECT COUNT(*) FROM versions"), 2);
    QStringList after = contentFiles();
    after.removeOne(blocker);
    EXPECT_EQ(after, before);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "someone's file");
}

} // namespace
