#include "ModelFixture.h"
#include "store/Sql.h"
#include "store/StoreBuilder.h"
#include "support/TestBackend.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

namespace {

class KillTest : public ModelFixture
{
protected:
    static bool whole(const QByteArray& content)
    {
        return content == kVersion1 || content == kVersion2 || content == "open" || content.endsWith("END");
    }
};

// A client killed at an arbitrary moment of its check-ins and copy-outs leaves
// a store that opens, is intact, and whose every version has whole content.
TEST_F(KillTest, AKilledClientLeavesWholeContent)
{
    const QString work = path(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(work));
    for (int round = 0; round < 3; ++round) {
        QProcess child;
        child.start(QStringLiteral(TW_KILL_CHILD), {m_store->directory(), work});
        ASSERT_TRUE(child.waitForStarted());
        // Let it finish a few cycles, then kill it in the middle of the next ones.
        int lines = 0;
        QElapsedTimer timer;
        timer.start();
        while (lines < 3 + round * 4 && timer.elapsed() < 20000) {
            child.waitForReadyRead(200);
            lines += child.readAllStandardOutput().count('\n');
        }
        ASSERT_GE(lines, 3) << child.readAllStandardError().toStdString();
        child.kill();
        child.waitForFinished();

        auto reopened = store::Store::open(m_store->directory());
        QSqlDatabase db = reopened->database();
        if (!tw::test::onPostgres()) { // a server's database stays whole through a client's kill
            EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(),
                      QStringLiteral("ok"));
        }
        QSqlQuery q = store::Sql::run(db,
                                      QStringLiteral("SELECT l.directory, v.content_file, v.size FROM versions v JOIN "
                                                     "documents d ON d.id = v.document_id JOIN libraries l ON "
                                                     "l.id = d.library_id"));
        while (q.next()) {
            const QByteArray content = readFile(reopened->libraryDirectory(q.value(0).toString()) + QLatin1Char('/')
                                                + q.value(1).toString());
            EXPECT_EQ(content.size(), q.value(2).toLongLong()) << q.value(1).toString().toStdString();
            EXPECT_TRUE(whole(content)) << q.value(1).toString().toStdString();
        }
        const QString exported = QDir(work).filePath(QStringLiteral("export.doc"));
        if (QFile::exists(exported)) {
            EXPECT_TRUE(whole(readFile(exported)));
        }
        // The version the child held when killed is released for the next round.
        store::VersionState free;
        free.checkedOut = false;
        for (int v = 1; v <= 2; ++v) {
            store::StoreBuilder(*reopened).setVersionState(QStringLiteral("LIB"), 1, v, free);
        }
    }
}

} // namespace
