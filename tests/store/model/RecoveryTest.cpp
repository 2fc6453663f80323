#include "ModelFixture.h"
#include "store/Schema.h"
#include "store/Sql.h"
#include "store/StoreOwner.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// The store of the model fixture as programs that ended in the middle of their changes leave it:
// their entries among the owners, the changes they recorded as under way and the files they wrote.
class RecoveryTest : public ModelFixture
{
protected:
    void TearDown() override
    {
        if (m_living >= 0)
            ::close(m_living);
    }

    QString folder() const { return m_store->libraryDirectory(QStringLiteral("LIB")); }
    QString inFolder(const QString& name) const { return folder() + QLatin1Char('/') + name; }
    QString entry(const QString& token) const
    {
        return store::StoreOwner::folderOf(m_store->directory()) + QLatin1Char('/') + token;
    }
    // The entry of a program that ended without closing the store.
    QString goneProgram()
    {
        writeFile(entry(QStringLiteral("gone")), "1\n");
        return QStringLiteral("gone");
    }
    // The entry of a program that has the store open: locked, as that program holds it.
    QString livingProgram()
    {
        writeFile(entry(QStringLiteral("living")), "2\n");
        m_living = ::open(QFile::encodeName(entry(QStringLiteral("living"))).constData(), O_RDWR | O_CLOEXEC);
        EXPECT_EQ(::flock(m_living, LOCK_EX | LOCK_NB), 0);
        return QStringLiteral("living");
    }
    void leaveChange(const QString& owner, int kind, int stage, qint64 versionRow, const QString& newFile,
                     const QString& oldFile, const QJsonObject& detail = {})
    {
        QSqlDatabase db = m_store->database();
        store::Sql::run(
            db,
            QStringLiteral("INSERT INTO pending(owner, kind, stage, version_id, folder, new_file, old_file, "
                           "detail) VALUES(?, ?, ?, ?, 'LIB', ?, ?, ?)"),
            {owner, kind, stage, versionRow, newFile, oldFile,
             QString::fromUtf8(QJsonDocument(detail).toJson(QJsonDocument::Compact))});
    }
    qint64 versionRow(int document, int version)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db,
                                  QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON d.id = "
                                                 "v.document_id WHERE d.number = ? AND v.number = ?"),
                                  {document, version})
            .toLongLong();
    }
    QString contentFile(int document, int version)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db, QStringLiteral("SELECT content_file FROM versions WHERE id = ?"),
                                  {versionRow(document, version)})
            .toString();
    }
    qint64 count(const QString& sql)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db, sql).toLongLong();
    }
    // The original names of the whole entries of the library folder's salvage area.
    QStringList salvaged() const
    {
        QStringList names;
        for (const store::SalvageEntry& e : store::SalvageArea(folder()).entries())
            names << e.originalName;
        return names;
    }
    // A record of the salvage area whose content never arrived.
    QString recordWithoutContent(const QString& name, int sequence)
    {
        const QString path = folder() + QStringLiteral("/.salvage/%1.INF").arg(sequence, 8, 10, QLatin1Char('0'));
        QDir().mkpath(QFileInfo(path).path());
        writeFile(path, QJsonDocument(QJsonObject {{QStringLiteral("name"), name}}).toJson());
        return path;
    }
    void reopen() { store::Store::open(m_store->directory()); }

    int m_living = -1;
};

constexpr int kCheckIn = 1;
constexpr int kHold = 2;
constexpr int kPurge = 3;
constexpr int kImport = 4;
constexpr int kGenerate = 5;

// A change whose database step never committed is undone: the content it wrote goes with any
// temporary file of it, and the versions stay as they were.
TEST_F(RecoveryTest, ChangesThatNeverCommittedAreRolledBack)
{
    const QString gone = goneProgram();
    const QString before = contentFile(1, 1);
    leaveChange(gone, kCheckIn, 0, versionRow(1, 1), QStringLiteral("AAAAAAAA.DOC"), before);
    writeFile(inFolder(QStringLiteral("AAAAAAAA.DOC")), "half a check-in");
    leaveChange(gone, kImport, 0, 0, QStringLiteral("BBBBBBBB.TXT"), QString());
    writeFile(inFolder(QStringLiteral(".BBBBBBBB.TXT.0badf00d.tmp")), "half an import");
    leaveChange(gone, kGenerate, 0, 0, QString(), QString(),
                {{QStringLiteral("first"), 1000}, {QStringLiteral("count"), 2}});
    writeFile(inFolder(QStringLiteral("G00003E8.TXT")), "generated");
    writeFile(inFolder(QStringLiteral("G00003E9.TXT")), "generated");
    reopen();
    for (const char* name : {"AAAAAAAA.DOC", ".BBBBBBBB.TXT.0badf00d.tmp", "G00003E8.TXT", "G00003E9.TXT"})
        EXPECT_FALSE(QFileInfo::exists(inFolder(QLatin1String(name)))) << name;
    EXPECT_EQ(contentFile(1, 1), before);
    EXPECT_EQ(readFile(inFolder(before)), kVersion1);
    EXPECT_TRUE(salvaged().isEmpty()) << salvaged().join(' ').toStdString();
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 0);
    EXPECT_FALSE(QFileInfo::exists(entry(gone))) << "the entry goes once the store is looked over";
}

// A change whose database step committed is finished: the content it retired goes into the
// salvage area with its record, where a record without content is left from the killed move.
TEST_F(RecoveryTest, CommittedChangesAreFinished)
{
    const QString gone = goneProgram();
    const QString replaced = contentFile(1, 1);
    writeFile(inFolder(QStringLiteral("CCCCCCCC.DOC")), "checked in");
    QSqlDatabase db = m_store->database();
    store::Sql::run(db, QStringLiteral("UPDATE versions SET content_file = 'CCCCCCCC.DOC' WHERE id = ?"),
                    {versionRow(1, 1)});
    leaveChange(gone, kCheckIn, 1, versionRow(1, 1), QStringLiteral("CCCCCCCC.DOC"), replaced,
                {{QStringLiteral("by"), QStringLiteral("Ann Author")}});
    const QString halfMoved = recordWithoutContent(replaced, 7);
    const QString purged = contentFile(2, 1);
    leaveChange(gone, kPurge, 1, versionRow(2, 1), QString(), purged);
    reopen();
    EXPECT_FALSE(QFileInfo::exists(inFolder(replaced)));
    EXPECT_FALSE(QFileInfo::exists(inFolder(purged)));
    EXPECT_FALSE(QFileInfo::exists(halfMoved));
    QStringList names = salvaged();
    names.sort();
    QStringList expected {replaced, purged};
    expected.sort();
    EXPECT_EQ(names, expected);
    EXPECT_EQ(readFile(inFolder(QStringLiteral("CCCCCCCC.DOC"))), "checked in");
    EXPECT_EQ(contentFile(2, 1), purged) << "a purged version keeps the name of its salvaged content";
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 0);
}

// A version checked out without a file for a check-in that never came (a restore killed between
// the two) is let go, as it was before: not checked out, and without the event of that check-out.
TEST_F(RecoveryTest, AHoldForACheckInThatNeverCameIsLetGo)
{
    const qint64 events = count(QStringLiteral("SELECT COUNT(*) FROM events"));
    version(QStringLiteral("LIBR"), 1, 2)->Checkout();
    ASSERT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending WHERE kind = %1").arg(kHold)), 1);
    QSqlDatabase db = m_store->database();
    store::Sql::run(db, QStringLiteral("UPDATE pending SET owner = ?"), {goneProgram()});
    reopen();
    const auto after = version(QStringLiteral("LIBR"), 1, 2);
    EXPECT_FALSE(after->CheckedOut());
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM events")), events);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 0);

    // A check-in that does come ends the hold with it.
    after->Checkout();
    writeFile(path(QStringLiteral("restored.doc")), "restored");
    after->CheckIn(path(QStringLiteral("restored.doc")), 0);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 0);
}

// Nothing of a program that still has the store open is touched, and the store is not looked over
// while it has: its files under way are named by nothing the store knows yet.
TEST_F(RecoveryTest, AProgramThatHasTheStoreOpenIsLeftAlone)
{
    const QString living = livingProgram();
    goneProgram();
    leaveChange(living, kCheckIn, 0, versionRow(1, 1), QStringLiteral("DDDDDDDD.DOC"), contentFile(1, 1));
    writeFile(inFolder(QStringLiteral("DDDDDDDD.DOC")), "being checked in");
    writeFile(inFolder(QStringLiteral("ZZZZZZZZ.DOC")), "named by nothing");
    reopen();
    EXPECT_TRUE(QFileInfo::exists(inFolder(QStringLiteral("DDDDDDDD.DOC"))));
    EXPECT_TRUE(QFileInfo::exists(inFolder(QStringLiteral("ZZZZZZZZ.DOC"))));
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 1);
}

// After a program ended without closing the store, the next one that has it to itself looks
// every library folder over: what no version names goes into the salvage area with its record,
// temporary files and records without content go. After programs that closed it, nothing is.
TEST_F(RecoveryTest, AnUncleanEndIsFollowedByALookOverAndACleanOneIsNot)
{
    const QString record = recordWithoutContent(QStringLiteral("OLD.DOC"), 3);
    writeFile(inFolder(QStringLiteral("ZZZZZZZZ.DOC")), "named by nothing");
    writeFile(inFolder(QStringLiteral(".EEEEEEEE.DOC.12345678.tmp")), "half a copy");
    reopen();
    EXPECT_TRUE(QFileInfo::exists(inFolder(QStringLiteral("ZZZZZZZZ.DOC")))) << "every program closed the store";

    goneProgram();
    reopen();
    EXPECT_FALSE(QFileInfo::exists(inFolder(QStringLiteral("ZZZZZZZZ.DOC"))));
    EXPECT_FALSE(QFileInfo::exists(inFolder(QStringLiteral(".EEEEEEEE.DOC.12345678.tmp"))));
    EXPECT_FALSE(QFileInfo::exists(record));
    EXPECT_EQ(salvaged(), QStringList {QStringLiteral("ZZZZZZZZ.DOC")});
    for (int document : {1, 2})
        EXPECT_TRUE(QFileInfo::exists(inFolder(contentFile(document, 1)))) << document;
}

// A store of the earlier layout gets the table of changes under way and is looked over once, for
// what killed programs of before left in it.
TEST_F(RecoveryTest, AStoreOfTheEarlierLayoutIsBroughtToThisOneAndLookedOver)
{
    QSqlDatabase db = m_store->database();
    store::Sql::run(db, QStringLiteral("DROP TABLE pending"));
    store::Sql::run(db, QStringLiteral("UPDATE meta SET value = '1' WHERE key = 'schema_version'"));
    writeFile(inFolder(QStringLiteral(".FFFFFFFF.DOC.12345678.tmp")), "left by a kill");
    reopen();
    EXPECT_EQ(store::Schema::versionOf(db), store::Schema::Version);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM pending")), 0);
    EXPECT_FALSE(QFileInfo::exists(inFolder(QStringLiteral(".FFFFFFFF.DOC.12345678.tmp"))));
}

} // namespace
