#include "gw/ObjectModel.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/FixtureStore.h"
#include "support/GTestQt.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

constexpr int kDocuments = 3000;

QByteArray payload(const char* kind, int number)
{
    // A whole file is one that still ends in END.
    return QByteArray(kind) + QByteArray::number(number) + ':' + QByteArray(4000 + number, 'x') + "END";
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A library of 3,000 documents of about 5 KB, and a program killed in the
// middle of a mass check-out and of a mass check-in over it.
class MaintKillTest : public testing::Test
{
protected:
    MaintKillTest()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
        store::NewDocument doc;
        doc.library = "BULK";
        doc.author = "ANN";
        store::NewVersion version;
        version.fileType = "dat";
        for (int n = 1; n <= kDocuments; ++n) {
            version.content = payload("original ", n);
            s.importDocument(doc, version);
        }
        QDir().mkpath(dir("files"));
        QDir().mkpath(dir("reports"));
    }

    QString dir(const char* name) const { return m_work.filePath(QLatin1String(name)); }
    QString fileOf(int n) const { return dir("files") + QStringLiteral("/%1_1.dat").arg(n); }

    // Runs the child until `ready` holds, then kills it.
    void killWhen(const QString& mode, const std::function<bool()>& ready)
    {
        QProcess child;
        child.start(QStringLiteral(TW_RUN_KILL_CHILD),
                    {mode, m_fixture.path(), QStringLiteral("BULK"), dir("files"), dir("reports")});
        ASSERT_TRUE(child.waitForStarted());
        QElapsedTimer timer;
        timer.start();
        while (!ready() && timer.elapsed() < 60000 && child.state() == QProcess::Running)
            child.waitForFinished(20);
        ASSERT_EQ(child.state(), QProcess::Running)
            << "the run ended before it could be killed: " << child.readAllStandardError().toStdString();
        child.kill();
        child.waitForFinished();
    }

    std::shared_ptr<gw::Library> library()
    {
        m_platform = std::make_shared<store::StorePlatform>(m_fixture.path());
        auto account = m_platform->CreateSession()->Login(QString(), QString(), QString(), 0);
        return account->DefaultDocumentLibrary();
    }

    void expectIntact()
    {
        auto reopened = store::Store::open(m_fixture.path());
        QSqlDatabase db = reopened->database();
        EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
    }

    QByteArray content(gw::Version& version)
    {
        const QString copy = dir("copy");
        QFile::remove(copy);
        version.Copyout(copy);
        return readFile(copy);
    }

    tw::test::FixtureStore m_fixture;
    QTemporaryDir m_work;
    std::shared_ptr<store::StorePlatform> m_platform;
};

TEST_F(MaintKillTest, AKilledCheckOutLeavesEveryVersionWithItsWholeFileOrFree)
{
    const QString report = dir("reports") + QStringLiteral("/Checkout.rpt");
    killWhen(QStringLiteral("checkout"), [&] { return readFile(report).count('\n') > 200; });
    expectIntact();
    const auto lib = library();
    int held = 0;
    for (int n = 1; n <= kDocuments; ++n) {
        const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
        const bool there = QFile::exists(fileOf(n));
        if (version->CheckedOut()) {
            ++held;
            EXPECT_TRUE(there) << n;
        }
        if (there) {
            EXPECT_EQ(readFile(fileOf(n)), payload("original ", n)) << n;
        }
    }
    EXPECT_GT(held, 150);
    EXPECT_LT(held, kDocuments) << "killed in the middle";
    // Every line written before the kill is whole.
    const QByteArray bytes = readFile(report);
    EXPECT_TRUE(bytes.endsWith("\r\n"));
    const QRegularExpression body(QStringLiteral("^Success\\t.+_1\\.dat\\t\\d+\\t1$"));
    const QStringList lines = QString::fromLocal8Bit(bytes).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const int header = lines.indexOf(QStringLiteral("Check Out Status\tChecked Out File\tDoc. Number\tDoc. Version"));
    ASSERT_GT(header, 0);
    for (const QString& line : lines.mid(header + 1))
        EXPECT_TRUE(body.match(line).hasMatch()) << line.toStdString();
}

TEST_F(MaintKillTest, AKilledCheckInLosesNoEdit)
{
    {
        const auto lib = library();
        for (int n = 1; n <= kDocuments; ++n) {
            lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1)->CheckOut(fileOf(n));
            QFile file(fileOf(n));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(payload("edited ", n));
        }
    }
    // The check-in pauses 50 ms after each file: killed a few seconds in.
    killWhen(QStringLiteral("checkin"),
             [&] { return QDir(dir("files")).entryList(QDir::Files).size() < kDocuments - 50; });
    expectIntact();
    const auto lib = library();
    int checkedIn = 0;
    for (int n = 1; n <= kDocuments; ++n) {
        const auto version = lib->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
        if (version->CheckedOut()) {
            EXPECT_EQ(readFile(fileOf(n)), payload("edited ", n)) << "still there, whole: " << n;
        } else {
            ++checkedIn;
            EXPECT_EQ(content(*version), payload("edited ", n)) << "checked in: " << n;
        }
    }
    EXPECT_GE(checkedIn, 50);
    EXPECT_LT(checkedIn, kDocuments);
}

} // namespace
