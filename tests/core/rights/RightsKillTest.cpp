#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/demo/Generator.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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

// A library of 20,000 documents, each shared with "Zed Gone" (nobody in the system), and a
// rights edit handing those entries over to Carol Cook, killed in the middle. The right held
// by mask 8 goes over as the entry's modify-security flag, so 12/6/1 becomes 4/6/1.
class RightsKillTest : public testing::Test
{
protected:
    RightsKillTest()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
        store::Generator::generate(m_fixture.store(), QStringLiteral("BULK"), kDocuments, 1);
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

    QString dir(const char* name) const { return m_work.filePath(QLatin1String(name)); }
    QString report() const { return dir("reports") + QStringLiteral("/FREdits.rpt"); }

    void killWhen(const std::function<bool()>& ready)
    {
        QProcess child;
        child.start(
            QStringLiteral(TW_RUN_KILL_CHILD),
            {QStringLiteral("rightsedit"), m_fixture.path(), QStringLiteral("BULK"), dir("list"), dir("reports")});
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

    // Each document's sharing entries as "name official/current/other", read from the store.
    QMap<qint64, QStringList> entries()
    {
        auto reopened = store::Store::open(m_fixture.path());
        QSqlDatabase db = reopened->database();
        EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
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

    tw::test::FixtureStore m_fixture;
    QTemporaryDir m_work;
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

} // namespace
