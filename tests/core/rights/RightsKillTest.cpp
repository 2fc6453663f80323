#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/demo/Generator.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDocuments = 20000;

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A library of generated documents, and a rights run in a child process killed in the middle.
class KilledRightsRun : public testing::Test
{
protected:
    explicit KilledRightsRun(int documents)
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
        store::Generator::generate(m_fixture.store(), QStringLiteral("BULK"), documents, 1);
    }

    QString dir(const char* name) const { return m_work.filePath(QLatin1String(name)); }

    // Starts `run_kill_child MODE STORE BULK first second` and kills it once `ready` says so.
    void killWhen(const char* mode, const QString& first, const QString& second, const std::function<bool()>& ready)
    {
        QProcess child;
        child.start(QStringLiteral(TW_RUN_KILL_CHILD),
                    {QLatin1String(mode), m_fixture.path(), QStringLiteral("BULK"), first, second});
        ASSERT_TRUE(child.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (!ready() && timer.elapsed() < 60000 && child.state() == QProcess::Running)
            child.waitForFinished(5);
        ASSERT_EQ(child.state(), QProcess::Running)
            << "the run ended before it could be killed: " << child.readAllStandardError().toStdString();
        child.kill();
        child.waitForFinished();
    }

    // The store as the next program opens it, checked whole.
    std::shared_ptr<store::Store> reopened()
    {
        auto store = store::Store::open(m_fixture.path());
        QSqlDatabase db = store->database();
        EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        return store;
    }

    tw::test::FixtureStore m_fixture;
    QTemporaryDir m_work;
};

// A library of 20,000 documents, each shared with "Zed Gone" (nobody in the system), and a
// rights edit handing those entries over to Carol Cook, killed in the middle. The right held
// by mask 8 goes over as the entry's modify-security flag, so 12/6/1 becomes 4/6/1.
class RightsKillTest : public KilledRightsRun
{
protected:
    RightsKillTest() : KilledRightsRun(kDocuments)
    {
        QSqlDatabase db = m_fixture.store().database();
        store::Sql::run(db,
                        QStringLiteral("INSERT INTO rights(document_id, kind, position, display_name, official, "
                                       "current, other) SELECT id, 2, 1, 'Zed Gone', 12, 6, 1 FROM documents"));
        QDir().mkpath(dir("list"));
        QDir().mkpath(dir("reports"));
        QFile list(dir("list") + QStringLiteral("/EditList.txt"));
        EXPECT_TRUE(list.open(QIODevice::WriteOnly));
        list.write("1\tZed Gone\tCarol Cook\tReplace\t0\r\n");
    }

    QString report() const { return dir("reports") + QStringLiteral("/FREdits.rpt"); }

    void killWhen(const std::function<bool()>& ready)
    {
        KilledRightsRun::killWhen("rightsedit", dir("list"), dir("reports"), ready);
    }

    // Each document's sharing entries as "name official/current/other", read from the store.
    QMap<qint64, QStringList> entries()
    {
        auto store = reopened();
        QSqlDatabase db = store->database();
        QMap<qint64, QStringList> byDocument;
        QSqlQuery q = store::Sql::run(
            db,
            QStringLiteral("SELECT d.number, COALESCE(u.display_name, r.display_name), r.official, r.current, "
                           "r.other FROM rights r JOIN documents d ON d.id = r.document_id LEFT JOIN users u "
                           "ON u.id = r.user_id WHERE r.kind = 2 ORDER BY d.number, r.position"));
        while (q.next()) {
            byDocument[q.value(0).toLongLong()].append(
                QStringLiteral("%1 %2/%3/%4")
                    .arg(q.value(1).toString(), q.value(2).toString(), q.value(3).toString(), q.value(4).toString()));
        }
        return byDocument;
    }
};

// No document loses the rights it had and none gains one: each holds the old entry, the new one
// beside it (killed between the steps) with no more than the old one held, or the new one alone; the report claims
// nothing that was not done and every line in it is whole.
TEST_F(RightsKillTest, AKilledRightsEditLosesNoRightsAndReportsOnlyWhatWasDone)
{
    killWhen([&] { return readFile(report()).count('\n') > 3000; });
    const QMap<qint64, QStringList> sharing = entries();
    const QStringList old {QStringLiteral("Zed Gone 12/6/1")};
    const QStringList handedOver {QStringLiteral("Carol Cook 4/6/1")};
    // Beside the old entry, the new one holds no right that the old one lacked at its level.
    const QRegularExpression growing(QStringLiteral("^Carol Cook (\\d+)/(\\d+)/(\\d+)$"));
    const auto halfMade = [&](const QStringList& e) {
        const QRegularExpressionMatch m = e.size() == 2 && e[0] == old[0] ? growing.match(e[1]) : growing.match("");
        return m.hasMatch() && (m.captured(1).toInt() & ~4) == 0 && (m.captured(2).toInt() & ~6) == 0
            && (m.captured(3).toInt() & ~1) == 0;
    };
    QSet<qint64> done;
    for (auto it = sharing.cbegin(); it != sharing.cend(); ++it) {
        EXPECT_TRUE(it.value() == old || halfMade(it.value()) || it.value() == handedOver)
            << it.key() << ": " << it.value().join(QStringLiteral(", ")).toStdString();
        if (it.value() == handedOver)
            done.insert(it.key());
    }
    EXPECT_EQ(sharing.size(), kDocuments) << "no document was left without an entry";
    EXPECT_GT(done.size(), 300);
    EXPECT_LT(done.size(), kDocuments) << "killed in the middle";

    const QByteArray bytes = readFile(report());
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QStringList lines = QString::fromLocal8Bit(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const int header = lines.indexOf(QRegularExpression(QStringLiteral("Doc\\. Number\\t.*")));
    ASSERT_GT(header, 0);
    const QRegularExpression body(QStringLiteral(
        "^(Original Rights found for Zed Gone|Document \\d+ Rights for Zed Gone replaced by Carol Cook|Document "
        "(\\d+) - Rights removed for Zed Gone| +\\d+\\t.*\\tZed Gone\\t(Official|Current|Other)\\t.+)$"));
    int removed = 0;
    for (const QString& line : lines.mid(header + 1)) {
        const QRegularExpressionMatch m = body.match(line);
        EXPECT_TRUE(m.hasMatch()) << line.toStdString();
        if (m.hasMatch() && !m.captured(2).isEmpty()) {
            ++removed;
            EXPECT_TRUE(done.contains(m.captured(2).toLongLong())) << line.toStdString();
        }
    }
    EXPECT_GE(done.size(), removed);
    EXPECT_LE(done.size(), removed + 1) << "at most the document in hand is done but not yet reported";
}

constexpr int kDenyDocuments = 4000;
constexpr int kDeniesPerDocument = 4;
constexpr int kKills = 12;

// Every document of the library denies four names (nobody in the system) whose masks hide View,
// and a full rights report removes the explicit denies without asking.
class DenyKillTest : public KilledRightsRun
{
protected:
    DenyKillTest() : KilledRightsRun(kDenyDocuments)
    {
        QSqlDatabase db = m_fixture.store().database();
        for (int position = 1; position <= kDeniesPerDocument; ++position) {
            store::Sql::run(db,
                            QStringLiteral("INSERT INTO rights(document_id, kind, position, display_name, official, "
                                           "current, other, revoke_all) SELECT id, 2, %1, 'Gone %1', 4, 4, 4, 1 "
                                           "FROM documents")
                                .arg(position));
        }
        QDir().mkpath(dir("reports"));
        QDir().mkpath(dir("logs"));
    }

    // How many removals the daily log of the runs so far reports.
    int removalsLogged() const
    {
        int removals = 0;
        for (const QFileInfo& log : QDir(dir("logs")).entryInfoList({QStringLiteral("*.log")}, QDir::Files))
            removals += readFile(log.filePath()).count("Explicit Deny Rights removed for");
        return removals;
    }

    // The sharing entries that are no longer explicit denies, as "document: name"; `denies`
    // gets how many explicit denies are left.
    QStringList grants(int* denies)
    {
        auto store = reopened();
        QSqlDatabase db = store->database();
        *denies
            = store::Sql::scalar(db, QStringLiteral("SELECT COUNT(*) FROM rights WHERE kind = 2 AND revoke_all = 1"))
                  .toInt();
        QStringList found;
        QSqlQuery q = store::Sql::run(db,
                                      QStringLiteral("SELECT d.number, r.display_name FROM rights r JOIN documents "
                                                     "d ON d.id = r.document_id WHERE r.kind = 2 AND "
                                                     "r.revoke_all = 0"));
        while (q.next())
            found.append(q.value(0).toString() + QStringLiteral(": ") + q.value(1).toString());
        return found;
    }
};

// Killed again and again, each time at another moment of the removal, the report leaves every entry an
// explicit deny or gone: none becomes a grant of the masks it hid.
TEST_F(DenyKillTest, AKilledRemovalTurnsNoDenyIntoAGrant)
{
    int denies = kDenyDocuments * kDeniesPerDocument;
    for (int kill = 1; kill <= kKills; ++kill) {
        const int before = denies;
        const int logged = removalsLogged();
        // Each run walks the documents cleared before and then removes some hundreds of denies.
        KilledRightsRun::killWhen("denyremoval", dir("reports"), dir("logs"),
                                  [&] { return removalsLogged() >= logged + 300 + 37 * kill; });
        const QStringList granted = grants(&denies);
        ASSERT_TRUE(granted.isEmpty()) << "kill " << kill << ": " << granted.size() << " grants, first "
                                       << granted.first().toStdString();
        ASSERT_LT(denies, before) << "kill " << kill << " came after some removals";
    }
}

} // namespace
