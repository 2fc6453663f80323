#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

// Starts the real program (offscreen, without splash) to check the rule of
// one running program per user and store.
class StartupTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void secondStartEndsQuietly_data();
    void secondStartEndsQuietly();

private:
    QProcess* start(const QString& programDir, const QString& store);
    int startLines(const QString& programDir) const;
    QList<QProcess*> m_running;

private Q_SLOTS:
    void cleanup();
};

QProcess* StartupTest::start(const QString& programDir, const QString& store)
{
    auto* process = new QProcess(this);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    environment.insert(QStringLiteral("TARNWICK_PROGRAM_DIR"), programDir);
    environment.insert(QStringLiteral("TARNWICK_STORE"), store);
    process->setProcessEnvironment(environment);
    process->start(QStringLiteral(TARNWICK_EXE), {QStringLiteral("/NS")});
    m_running.append(process);
    return process;
}

int StartupTest::startLines(const QString& programDir) const
{
    QFile log(QDir(programDir).filePath(QDate::currentDate().toString(QStringLiteral("yyyyMMdd")) + ".log"));
    if (!log.open(QIODevice::ReadOnly))
        return 0;
    return int(log.readAll().count("\tStarting Tarnwick ("));
}

void StartupTest::cleanup()
{
    for (QProcess* process : m_running) {
        process->kill();
        process->waitForFinished(5000);
    }
    qDeleteAll(m_running);
    m_running.clear();
}

void StartupTest::secondStartEndsQuietly_data()
{
    QTest::addColumn<bool>("sameStore");
    QTest::addRow("same user and store: one program") << true;
    QTest::addRow("another store: a program of its own") << false;
}

void StartupTest::secondStartEndsQuietly()
{
    QFETCH(bool, sameStore);
    QTemporaryDir dir;
    const QString programDir = dir.filePath(QStringLiteral("program"));
    QProcess* first = start(programDir, dir.filePath(QStringLiteral("store-a")));
    QVERIFY(first->waitForStarted(10000));
    QTRY_COMPARE_WITH_TIMEOUT(startLines(programDir), 1, 20000);

    QProcess* second
        = start(programDir, dir.filePath(sameStore ? QStringLiteral("store-a") : QStringLiteral("store-b")));
    QVERIFY(second->waitForStarted(10000));
    if (sameStore) {
        QVERIFY(second->waitForFinished(20000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
        QCOMPARE(startLines(programDir), 1);
    } else {
        QTRY_COMPARE_WITH_TIMEOUT(startLines(programDir), 2, 20000);
        QCOMPARE(second->state(), QProcess::Running);
    }
    QCOMPARE(first->state(), QProcess::Running);
}

QTEST_GUILESS_MAIN(StartupTest)
#include "StartupTest.moc"
