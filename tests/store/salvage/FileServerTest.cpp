#include "store/salvage/FileServer.h"

#include "store/Store.h"
#include "store/salvage/FileServerCode.h"
#include "store/salvage/SalvageArea.h"
#include "support/TestBackend.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

using store::FileServer;
namespace Code = store::FileServerCode;

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A directory with two deleted files and one handle allocated on it the way the restore does.
struct Salvaged
{
    Salvaged()
    {
        writeFile(dir.filePath("0A1B2C3D.DOC"), "version one");
        writeFile(dir.filePath("0A1B2C3E.TXT"), "version two");
        store::SalvageArea area(dir.path());
        area.deleteFile("0A1B2C3D.DOC", "JSMITH");
        area.deleteFile("0A1B2C3E.TXT", "ADMIN");
        QDir(dir.path()).mkdir("sub");
        writeFile(dir.filePath("plain.txt"), "x");
        QString relative;
        quint32 dirHandle = 0;
        server.NWParseNetWarePath(dir.path(), connection, dirHandle, relative);
        server.NWAllocTemporaryDirectoryHandle(connection, dirHandle, relative, handle);
    }

    // The first entry of a scan from the start.
    gw::DeletedEntry scanFirst()
    {
        gw::DeletedEntry entry;
        qint32 iteration = -1;
        server.NWScanForDeletedFiles(connection, handle, iteration, entry);
        return entry;
    }

    int recoverFirst(const QString& deletedName, const QString& recoverName, quint32 baseOffset = 0)
    {
        const auto entry = scanFirst();
        return server.NWRecoverDeletedFile(connection, handle, entry.iterationHandle, entry.volumeNumber,
                                           entry.directoryBase + baseOffset, deletedName, recoverName);
    }

    QTemporaryDir dir;
    FileServer server;
    quint32 connection = 0;
    quint32 handle = 0;
};

TEST(FileServerTest, ScanGivesOneEntryPerCallThenEndCode)
{
    Salvaged s;
    qint32 iteration = -1;
    QStringList names;
    gw::DeletedEntry entry;
    int code = Code::Ok;
    while ((code = s.server.NWScanForDeletedFiles(s.connection, s.handle, iteration, entry)) == Code::Ok) {
        names << entry.name + "/" + entry.deletorName;
        EXPECT_EQ(entry.iterationHandle, iteration);
    }
    EXPECT_EQ(code, Code::NoMoreEntries);
    EXPECT_EQ(names, QStringList({"0A1B2C3D.DOC/JSMITH", "0A1B2C3E.TXT/ADMIN"}));
    EXPECT_EQ(entry.volumeNumber, 0u);
    EXPECT_NE(entry.directoryBase, 0u);
}

TEST(FileServerTest, RecoverBringsFileBackAndRemovesEntry)
{
    Salvaged s;
    ASSERT_EQ(s.recoverFirst("0A1B2C3D.DOC", "0A1B2C3D.DOC"), Code::Ok);
    QFile file(s.dir.filePath("0A1B2C3D.DOC"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "version one");
    EXPECT_EQ(store::SalvageArea(s.dir.path()).entries().size(), 1u);
}

TEST(FileServerTest, ParseGivesConnectionAndAbsoluteDirectory)
{
    Salvaged s;
    quint32 connection = 0, dirHandle = 7;
    QString relative;
    ASSERT_EQ(s.server.NWParseNetWarePath(s.dir.path() + "/", connection, dirHandle, relative), Code::Ok);
    EXPECT_EQ(connection, FileServer::Connection);
    EXPECT_EQ(dirHandle, 0u);
    EXPECT_EQ(relative, QDir(s.dir.path()).canonicalPath());
}

TEST(FileServerTest, HandleRelativeToAnotherHandle)
{
    Salvaged s;
    quint32 sub = 0;
    ASSERT_EQ(s.server.NWAllocTemporaryDirectoryHandle(s.connection, s.handle, "sub", sub), Code::Ok);
    EXPECT_NE(sub, s.handle);
    EXPECT_EQ(s.server.openHandleCount(), 2);
}

struct CodeCase
{
    const char* label;
    std::function<int(Salvaged&)> call;
    int expected;
};

class FileServerCodeTest : public ::testing::TestWithParam<CodeCase>
{
};

TEST_P(FileServerCodeTest, ReturnsTheServersCode)
{
    Salvaged s;
    EXPECT_EQ(GetParam().call(s), GetParam().expected);
}

int parse(Salvaged&, const QString& path)
{
    FileServer server;
    quint32 connection = 0, handle = 0;
    QString relative;
    return server.NWParseNetWarePath(path, connection, handle, relative);
}

int alloc(Salvaged& s, quint32 connection, quint32 base, const QString& relative)
{
    quint32 handle = 0;
    return s.server.NWAllocTemporaryDirectoryHandle(connection, base, relative, handle);
}

int scan(Salvaged& s, quint32 connection, quint32 handle)
{
    qint32 iteration = -1;
    gw::DeletedEntry entry;
    return s.server.NWScanForDeletedFiles(connection, handle, iteration, entry);
}

INSTANTIATE_TEST_SUITE_P(
    Calls, FileServerCodeTest,
    ::testing::Values(
        CodeCase {"ParseEmptyPath", [](Salvaged& s) { return parse(s, ""); }, Code::InvalidPath},
        CodeCase {"ParseMissingDirectory", [](Salvaged& s) { return parse(s, s.dir.filePath("nowhere")); },
                  Code::InvalidPath},
        CodeCase {"ParseFileNotDirectory", [](Salvaged& s) { return parse(s, s.dir.filePath("plain.txt")); },
                  Code::InvalidPath},
        CodeCase {"ParseRelativePath", [](Salvaged& s) { return parse(s, "sub"); }, Code::InvalidPath},
        CodeCase {"ParseSalvageFolderItself",
                  [](Salvaged& s) { return parse(s, s.dir.filePath(store::SalvageArea::folderName())); },
                  Code::InvalidPath},
        CodeCase {"AllocBadConnection", [](Salvaged& s) { return alloc(s, 5, 0, s.dir.path()); },
                  Code::InvalidConnection},
        CodeCase {"AllocBadBaseHandle", [](Salvaged& s) { return alloc(s, s.connection, 77, "sub"); },
                  Code::BadDirectoryHandle},
        CodeCase {"AllocMissingSubdirectory", [](Salvaged& s) { return alloc(s, s.connection, s.handle, "none"); },
                  Code::InvalidPath},
        CodeCase {"AllocRelativeWithoutBase", [](Salvaged& s) { return alloc(s, s.connection, 0, "sub"); },
                  Code::InvalidPath},
        CodeCase {"ScanUnknownHandle", [](Salvaged& s) { return scan(s, s.connection, 99); }, Code::BadDirectoryHandle},
        CodeCase {"ScanBadConnection", [](Salvaged& s) { return scan(s, 2, s.handle); }, Code::InvalidConnection},
        CodeCase {"ScanFreedHandle",
                  [](Salvaged& s) {
                      s.server.NWDeallocateDirectoryHandle(s.connection, s.handle);
                      return scan(s, s.connection, s.handle);
                  },
                  Code::BadDirectoryHandle},
        CodeCase {"ScanEmptyArea",
                  [](Salvaged& s) {
                      quint32 sub = 0;
                      s.server.NWAllocTemporaryDirectoryHandle(s.connection, s.handle, "sub", sub);
                      return scan(s, s.connection, sub);
                  },
                  Code::NoMoreEntries},
        CodeCase {"RecoverOverExistingFile",
                  [](Salvaged& s) {
                      writeFile(s.dir.filePath("0A1B2C3D.DOC"), "edited");
                      return s.recoverFirst("0A1B2C3D.DOC", "0A1B2C3D.DOC");
                  },
                  Code::AllNamesExist},
        CodeCase {"RecoverUnderLongName",
                  [](Salvaged& s) { return s.recoverFirst("0A1B2C3D.DOC", "TOOLONGNAME1.DOC"); }, Code::InvalidPath},
        CodeCase {"RecoverWrongDeletedName", [](Salvaged& s) { return s.recoverFirst("0A1B2C3E.TXT", "0A1B2C3E.TXT"); },
                  Code::NoSuchEntry},
        CodeCase {"RecoverWrongDirectoryBase",
                  [](Salvaged& s) { return s.recoverFirst("0A1B2C3D.DOC", "0A1B2C3D.DOC", 1); }, Code::NoSuchEntry},
        CodeCase {"RecoverTwice",
                  [](Salvaged& s) {
                      const auto e = s.scanFirst();
                      s.server.NWRecoverDeletedFile(s.connection, s.handle, e.iterationHandle, e.volumeNumber,
                                                    e.directoryBase, "0A1B2C3D.DOC", "0A1B2C3D.DOC");
                      QFile::remove(s.dir.filePath("0A1B2C3D.DOC"));
                      return s.server.NWRecoverDeletedFile(s.connection, s.handle, e.iterationHandle, e.volumeNumber,
                                                           e.directoryBase, "0A1B2C3D.DOC", "0A1B2C3D.DOC");
                  },
                  Code::NoSuchEntry},
        CodeCase {"DeallocTwice",
                  [](Salvaged& s) {
                      s.server.NWDeallocateDirectoryHandle(s.connection, s.handle);
                      return s.server.NWDeallocateDirectoryHandle(s.connection, s.handle);
                  },
                  Code::BadDirectoryHandle},
        CodeCase {"DeallocBadConnection", [](Salvaged& s) { return s.server.NWDeallocateDirectoryHandle(3, s.handle); },
                  Code::InvalidConnection}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace

namespace {

struct FaultCase
{
    const char* label;
    const char* member;
    const char* message;
    int occurrence;
    int firstScan;
    int secondScan;
};

class FileServerFaultTest : public ::testing::TestWithParam<FaultCase>
{
};

// A fault rule on a call makes it return the rule's code, so a restore's error boxes can be
// driven against a real salvage area.
TEST_P(FileServerFaultTest, RuleGivesItsCode)
{
    const auto& c = GetParam();
    QTemporaryDir dir;
    auto storeObject = tw::test::createStore(dir.filePath("store"));
    store::FaultRule rule;
    rule.member = c.member;
    rule.message = c.message;
    rule.occurrence = c.occurrence;
    storeObject->addFaultRule(rule);
    writeFile(dir.filePath("A.TXT"), "a");
    writeFile(dir.filePath("B.TXT"), "b");
    store::SalvageArea(dir.path()).deleteFile("A.TXT", "U");
    store::SalvageArea(dir.path()).deleteFile("B.TXT", "U");

    store::FileServer server(storeObject);
    quint32 connection = 0, base = 0, handle = 0;
    QString relative;
    ASSERT_EQ(server.NWParseNetWarePath(dir.path(), connection, base, relative), Code::Ok);
    ASSERT_EQ(server.NWAllocTemporaryDirectoryHandle(connection, base, relative, handle), Code::Ok);
    qint32 iteration = -1;
    gw::DeletedEntry entry;
    EXPECT_EQ(server.NWScanForDeletedFiles(connection, handle, iteration, entry), c.firstScan);
    EXPECT_EQ(server.NWScanForDeletedFiles(connection, handle, iteration, entry), c.secondScan);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, FileServerFaultTest,
    ::testing::Values(FaultCase {"HexCode", "NWScanForDeletedFiles", "0x8998", 0, 0x8998, 0x8998},
                      FaultCase {"DecimalCode", "NWScanForDeletedFiles", "35224", 0, 35224, 35224},
                      FaultCase {"SecondCallOnly", "NWScanForDeletedFiles", "0x8998", 2, Code::Ok, 0x8998},
                      FaultCase {"TextMeansFailure", "NWScanForDeletedFiles", "server down", 0, Code::NoMoreEntries,
                                 Code::NoMoreEntries},
                      FaultCase {"OtherCallUntouched", "NWRecoverDeletedFile", "0x8998", 0, Code::Ok, Code::Ok}),
    [](const auto& info) { return std::string(info.param.label); });

} // namespace
