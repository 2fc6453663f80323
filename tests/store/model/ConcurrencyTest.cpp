#include "ModelFixture.h"
#include "gw/VersionEvent.h"
#include "store/Services.h"
#include "store/Sql.h"
#include "store/StoreBuilder.h"
#include "store/model/StoreAccount.h"

#include <QDir>
#include <QFileInfo>
#include <QThread>
#include <atomic>
#include <functional>
#include <future>
#include <ostream>

namespace {

class ConcurrencyTest : public ModelFixture
{
};

// A reader on its own thread (its own connection) walks the documents while
// this thread checks versions out and in: neither fails, and the reader only
// ever sees whole states (a version checked out has its retriever).
TEST_F(ConcurrencyTest, AReaderThreadAndAWriterDoNotDisturbEachOther)
{
    std::atomic<bool> stop {false};
    std::atomic<int> walks {0};
    QString readerError;
    QThread* reader = QThread::create([&] {
        try {
            auto lib = library(login(QStringLiteral("LIBR")));
            while (!stop) {
                auto versions = lib->GetDocument(QStringLiteral("1"))->DocumentVersions();
                for (int i = 1; i <= versions->Count(); ++i) {
                    auto v = versions->Item(i);
                    if (v->CheckedOut() && v->Retriever()->DisplayName().isEmpty()) {
                        readerError = QStringLiteral("checked out without a retriever");
                    }
                }
                ++walks;
            }
        } catch (const gw::Error& e) {
            readerError = e.message();
        }
        m_store->releaseThreadConnection();
    });
    reader->start();
    for (int round = 0; round < 15; ++round) {
        auto v = version(QStringLiteral("AUTHOR"), 1, 1 + round % 2);
        const QString file = path(QStringLiteral("round%1.doc").arg(round));
        v->CheckOut(file);
        writeFile(file, QByteArray::number(round));
        v->CheckIn(file, 0);
    }
    stop = true;
    reader->wait();
    delete reader;
    EXPECT_TRUE(readerError.isEmpty()) << readerError.toStdString();
    EXPECT_GT(walks.load(), 0);
    // Every check-in of both versions arrived: each holds its last round.
    for (int v : {1, 2}) {
        auto events = version(QStringLiteral("AUTHOR"), 1, v)->DocumentVersionEvents();
        EXPECT_EQ(readFile(events->Item(events->Count())->FileName()), QByteArray::number(v == 1 ? 14 : 13));
    }
}

// Another program reads a setting under its write lock and writes it back changed; a write of
// the same setting made meanwhile on its own, outside any transaction, waits for that change
// and so comes after it, rather than being overwritten by what was read before it.
TEST_F(ConcurrencyTest, AChangeOnItsOwnWaitsForAChangeUnderWay)
{
    m_store->setSetting(QStringLiteral("counter"), QStringLiteral("1"));
    std::promise<void> locked;
    QString otherError;
    QThread* other = QThread::create([&] {
        try {
            auto store = store::Store::open(m_store->directory());
            {
                QSqlDatabase db = store->database();
                store::WriteTransaction change(db);
                const int read
                    = store::Sql::scalar(db, QStringLiteral("SELECT value FROM settings WHERE key = 'counter'"))
                          .toInt();
                locked.set_value();
                QThread::msleep(300);
                store::Sql::run(db, QStringLiteral("UPDATE settings SET value = ? WHERE key = 'counter'"),
                                {QString::number(read + 1)});
                change.commit();
            }
            store->releaseThreadConnection();
        } catch (const gw::Error& e) {
            otherError = e.message();
            locked.set_value();
        }
    });
    other->start();
    locked.get_future().wait();
    m_store->setSetting(QStringLiteral("counter"), QStringLiteral("10"));
    other->wait();
    delete other;
    EXPECT_TRUE(otherError.isEmpty()) << otherError.toStdString();
    EXPECT_EQ(m_store->setting(QStringLiteral("counter")), QStringLiteral("10"));
}

} // namespace

namespace {

// Another program on the same store: it takes the write lock, makes its change and holds it a
// moment before it commits, so that a call this program begins meanwhile has read the store as it
// was and must wait for the lock.
class OtherProgram
{
public:
    OtherProgram(const QString& storePath, const QStringList& statements)
    {
        std::promise<void> locked;
        m_thread = QThread::create([&locked, storePath, statements, this] {
            bool told = false;
            try {
                auto other = store::Store::open(storePath);
                {
                    QSqlDatabase db = other->database();
                    store::WriteTransaction transaction(db);
                    for (const QString& sql : statements)
                        store::Sql::run(db, sql);
                    locked.set_value();
                    told = true;
                    QThread::msleep(400);
                    transaction.commit();
                }
                other->releaseThreadConnection();
            } catch (const gw::Error& e) {
                m_error = e.message();
            }
            if (!told)
                locked.set_value();
        });
        m_thread->start();
        locked.get_future().wait();
    }
    ~OtherProgram()
    {
        m_thread->wait();
        delete m_thread;
    }
    QString error()
    {
        m_thread->wait();
        return m_error;
    }

private:
    QThread* m_thread = nullptr;
    QString m_error;
};

const char* const kVersion1 = "(SELECT v.id FROM versions v JOIN documents d ON d.id = v.document_id WHERE "
                              "d.number = 1 AND v.number = 1)";

class MeanwhileTest;

// A call of this program begun while the other program's change waits to be committed: what the
// call leaves behind (or the error it raises) must follow from the store as the other program
// left it, never from what was read before.
struct MeanwhileCase
{
    const char* name;
    std::function<void(MeanwhileTest&)> prepare;
    QString otherChange;
    std::function<QString(MeanwhileTest&)> call;
    QString expected; // a part of what the call returns or the error's message
};

void PrintTo(const MeanwhileCase& c, std::ostream* os)
{
    *os << c.name;
}

class MeanwhileTest : public ModelFixture, public testing::WithParamInterface<MeanwhileCase>
{
public:
    using ModelFixture::document;
    using ModelFixture::path;
    using ModelFixture::version;
    using ModelFixture::writeFile;

    store::Store& store() { return *m_store; }
    QString scalar(const QString& sql)
    {
        QSqlDatabase db = m_store->database();
        return store::Sql::scalar(db, sql).toString();
    }
    std::shared_ptr<gw::AddressEntry> user(const QString& userId)
    {
        auto context = std::static_pointer_cast<store::StoreAccount>(login(QStringLiteral("AUTHOR")))->context();
        return store::makeUserEntry(context, m_store->userRow(userId));
    }
};

TEST_P(MeanwhileTest, TheCallActsOnTheStoreAsTheOtherProgramLeftIt)
{
    const MeanwhileCase& c = GetParam();
    if (c.prepare)
        c.prepare(*this);
    QString result;
    {
        OtherProgram other(m_store->directory(), {c.otherChange});
        try {
            result = c.call(*this);
        } catch (const gw::Error& e) {
            result = e.message();
        }
        EXPECT_TRUE(other.error().isEmpty()) << other.error().toStdString();
    }
    EXPECT_TRUE(result.contains(c.expected)) << result.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Calls, MeanwhileTest,
    testing::Values(
        MeanwhileCase {"CheckOutOfAVersionArchived", nullptr,
                       QStringLiteral("UPDATE versions SET archived = 1 WHERE id = ") + kVersion1,
                       [](MeanwhileTest& t) {
                           t.version("AUTHOR", 1, 1)->CheckOut(t.path("out.doc"));
                           return QStringLiteral("checked out");
                       },
                       "Document 1 Version 1 is archived"},
        MeanwhileCase {"ClearingACheckOutTakenOver", [](MeanwhileTest& t) { t.version("AUTHOR", 1, 1)->Checkout(); },
                       QStringLiteral("UPDATE versions SET retriever_id = (SELECT id FROM users WHERE user_id = "
                                      "'EDITOR') WHERE id = ")
                           + kVersion1,
                       [](MeanwhileTest& t) {
                           t.version("AUTHOR", 1, 1)->CheckIn();
                           return QStringLiteral("cleared");
                       },
                       "is checked out by Eve Editor"},
        // The content salvaged is the one current when the new content takes its place.
        MeanwhileCase {"CheckInOverContentReplaced",
                       [](MeanwhileTest& t) {
                           t.version("AUTHOR", 1, 1)->CheckOut(t.path("edit.doc"));
                           t.writeFile(t.path("edit.doc"), "edited");
                           t.writeFile(QDir(t.store().libraryDirectory("LIB")).filePath("NEWCONT.DOC"), "newer");
                       },
                       QStringLiteral("UPDATE versions SET content_file = 'NEWCONT.DOC' WHERE id = ") + kVersion1,
                       [](MeanwhileTest& t) {
                           t.version("AUTHOR", 1, 1)->CheckIn(t.path("edit.doc"), 0);
                           return QFileInfo(t.scalar(QStringLiteral("SELECT file_name FROM events WHERE "
                                                                    "event_type = %1 ORDER BY id DESC LIMIT 1")
                                                         .arg(gw::EventDeleted)))
                               .fileName();
                       },
                       "NEWCONT.DOC"},
        MeanwhileCase {"PurgeOfContentReplaced",
                       [](MeanwhileTest& t) {
                           t.writeFile(QDir(t.store().libraryDirectory("LIB")).filePath("NEWCONT.DOC"), "newer");
                       },
                       QStringLiteral("UPDATE versions SET content_file = 'NEWCONT.DOC' WHERE id = ") + kVersion1,
                       [](MeanwhileTest& t) {
                           store::StoreBuilder(t.store()).purgeVersion("LIB", 1, 1, "AUTHOR");
                           return QFileInfo(t.scalar(QStringLiteral("SELECT file_name FROM events WHERE "
                                                                    "event_type = %1 ORDER BY id DESC LIMIT 1")
                                                         .arg(gw::EventDeleted)))
                               .fileName();
                       },
                       "NEWCONT.DOC"},
        // The levels not written keep what the other program gave them.
        MeanwhileCase {"MaskOfAnEntryChanged", nullptr,
                       QStringLiteral("UPDATE rights SET other = 5 WHERE kind = 2 AND user_id = (SELECT id FROM "
                                      "users WHERE user_id = 'VIEWER')"),
                       [](MeanwhileTest& t) {
                           auto entry = t.document("AUTHOR", 1)->AdditionalRights()->Item(1);
                           entry->SecurityCurrentVersions()->setBitmask(6);
                           return QStringLiteral("%1/%2/%3")
                               .arg(entry->SecurityOfficialVersion()->Bitmask())
                               .arg(entry->SecurityCurrentVersions()->Bitmask())
                               .arg(entry->SecurityOtherVersions()->Bitmask());
                       },
                       "4/6/5"},
        MeanwhileCase {"AddOfAUserAdded", nullptr,
                       QStringLiteral("INSERT INTO rights(document_id, kind, position, user_id, display_name, "
                                      "official, current, other) SELECT d.id, 2, 9, u.id, u.display_name, 4, 4, 4 "
                                      "FROM documents d, users u WHERE d.number = 1 AND u.user_id = 'STRANGER'"),
                       [](MeanwhileTest& t) {
                           t.document("AUTHOR", 1)->AdditionalRights()->Add(t.user("STRANGER"), 7);
                           return t.scalar("SELECT COUNT(*) FROM rights WHERE user_id = (SELECT id FROM users "
                                           "WHERE user_id = 'STRANGER')")
                               + QStringLiteral(" entries");
                       },
                       "Sam Stranger is already in the sharing list of document 1"},
        MeanwhileCase {"SubjectOfADocumentNoLongerEditable", nullptr,
                       QStringLiteral("UPDATE rights SET official = 4, current = 4, other = 4 WHERE user_id = "
                                      "(SELECT id FROM users WHERE user_id = 'EDITOR')"),
                       [](MeanwhileTest& t) {
                           t.document("EDITOR", 1)->setSubject("Edited");
                           return QStringLiteral("subject written");
                       },
                       "You do not have rights to edit document 1"},
        MeanwhileCase {"ImportNumberedOn", nullptr,
                       "INSERT INTO documents(library_id, number, subject, author_id, creator_id, created) SELECT "
                       "l.id, 3, 'Other', u.id, u.id, 0 FROM libraries l, users u WHERE l.name = 'LIB' AND "
                       "u.user_id = 'AUTHOR'",
                       [](MeanwhileTest& t) {
                           store::NewDocument document;
                           document.library = QStringLiteral("LIB");
                           document.subject = QStringLiteral("Imported");
                           document.author = QStringLiteral("AUTHOR");
                           store::NewVersion version;
                           version.content = "imported";
                           version.fileType = QStringLiteral("txt");
                           return QStringLiteral("number %1")
                               .arg(store::StoreBuilder(t.store()).importDocument(document, version));
                       },
                       "number 4"},
        // A document without a default rights holder gets one, whoever adds it.
        MeanwhileCase {"HolderOfADocumentAdded",
                       [](MeanwhileTest& t) {
                           t.scalar("DELETE FROM rights WHERE kind = 1 AND document_id = (SELECT id FROM documents "
                                    "WHERE number = 1)");
                       },
                       "INSERT INTO rights(document_id, kind, official, current, other) SELECT id, 1, 5, 5, 5 "
                       "FROM documents WHERE number = 1",
                       [](MeanwhileTest& t) {
                           const int mask
                               = t.document("AUTHOR", 1)->DefaultRights()->SecurityOfficialVersion()->Bitmask();
                           return QStringLiteral("%1 in %2 holders")
                               .arg(mask)
                               .arg(t.scalar("SELECT COUNT(*) FROM rights WHERE kind = 1 AND document_id = (SELECT "
                                             "id FROM documents WHERE number = 1)"));
                       },
                       "5 in 1 holders"},
        // The flags not named keep what the other program gave them.
        MeanwhileCase {"FlagOfAVersionChanged", nullptr,
                       QStringLiteral("UPDATE versions SET in_use = 1 WHERE id = ") + kVersion1,
                       [](MeanwhileTest& t) {
                           store::VersionState state;
                           state.archived = true;
                           store::StoreBuilder(t.store()).setVersionState("LIB", 1, 1, state);
                           return t.scalar(QStringLiteral("SELECT archived || '/' || in_use FROM versions WHERE "
                                                          "id = ")
                                           + kVersion1);
                       },
                       "1/1"}),
    [](const testing::TestParamInfo<MeanwhileCase>& info) { return std::string(info.param.name); });

} // namespace
