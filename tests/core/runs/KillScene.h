#pragma once

#include "gw/ObjectModel.h"
#include "store/Sql.h"
#include "store/Store.h"
#include "store/StoreBuilder.h"
#include "store/StorePlatform.h"
#include "support/FixtureStore.h"
#include "support/KilledChild.h"
#include "support/StoreLeftovers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace tw::test {

// One scene of a kill test: library BULK of a fixture store (ANN is its librarian and the
// client user), a work folder, and the child program that runs an operation of the program on
// them until it is killed (run_kill_child).
class KillScene
{
public:
    KillScene()
    {
        store::StoreBuilder& s = m_fixture.builder();
        s.addLibrary("PO1", "BULK", "Many documents");
        s.setLibraryRights("BULK", "ANN", true);
        s.setDefaultLibrary("ANN", "BULK");
    }
    virtual ~KillScene() = default;

    QString dir(const char* name) const
    {
        const QString path = m_work.filePath(QLatin1String(name));
        QDir().mkpath(path);
        return path;
    }
    store::StoreBuilder& builder() { return m_fixture.builder(); }

    // The child that runs `mode` on this scene.
    virtual KilledChild child() = 0;

    // The store as the next program opens it, checked whole.
    std::shared_ptr<store::Store> reopened()
    {
        auto store = store::Store::open(m_fixture.path());
        QSqlDatabase db = store->database();
        EXPECT_EQ(store::Sql::scalar(db, QStringLiteral("PRAGMA integrity_check")).toString(), QStringLiteral("ok"));
        return store;
    }
    // What the killed child left behind, as the next program finds it once the store is open.
    QStringList leftovers()
    {
        auto store = reopened();
        return storeLeftovers(*store);
    }
    // Library BULK as the next program sees it.
    std::shared_ptr<gw::Library> library()
    {
        m_platform = std::make_shared<store::StorePlatform>(m_fixture.path());
        return m_platform->CreateSession()->Login(QString(), QString(), QString(), 0)->DefaultDocumentLibrary();
    }
    QByteArray content(gw::Version& version)
    {
        const QString copy = dir("copies") + QStringLiteral("/copy");
        QFile::remove(copy);
        version.Copyout(copy);
        return readFile(copy);
    }
    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static void writeFile(const QString& path, const QByteArray& bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

protected:
    KilledChild runKillChild(const char* mode, const QString& first, const QString& second)
    {
        return KilledChild(QStringLiteral(TW_RUN_KILL_CHILD),
                           {QLatin1String(mode), m_fixture.path(), QStringLiteral("BULK"), first, second});
    }

    FixtureStore m_fixture;
    QTemporaryDir m_work;
    std::shared_ptr<store::StorePlatform> m_platform;
};

// Kills the child of fresh scenes, one scene per kill: at `atCalls` points spread over the file
// changes of a whole run (counted first in a scene of its own) and at `atRandom` random moments
// of it. `judge` looks at each scene after its kill and gives the leftovers found; the kills and
// the leftovers are printed for the record.
template <typename Scene>
void killEverywhere(const char* name, int atCalls, int atRandom, const std::function<QStringList(Scene&)>& judge)
{
    qint64 calls = 0;
    qint64 runMs = 0;
    {
        Scene scene;
        QElapsedTimer timer;
        timer.start();
        KilledChild child = scene.child();
        calls = child.countCalls();
        runMs = timer.elapsed();
        ASSERT_GT(calls, 0) << "the run failed: " << child.errors().toStdString();
    }
    int kills = 0;
    QStringList found;
    const auto once = [&](const std::function<bool(KilledChild&)>& kill, const QString& when) {
        Scene scene;
        KilledChild child = scene.child();
        if (!kill(child))
            return; // the run was over before the moment came
        ++kills;
        for (const QString& leftover : judge(scene))
            found << when + QStringLiteral(": ") + leftover;
    };
    for (int i = 1; i <= atCalls; ++i) {
        const qint64 k = calls * i / (atCalls + 1);
        once([k](KilledChild& child) { return child.killAtCall(k); },
             QStringLiteral("call %1 of %2").arg(k).arg(calls));
    }
    for (int i = 0; i < atRandom; ++i) {
        const int ms = int(QRandomGenerator::global()->bounded(qMax<qint64>(runMs, 1)));
        once([ms](KilledChild& child) { return child.killAfter(ms); }, QStringLiteral("%1 ms").arg(ms));
    }
    std::cout << name << ": " << kills << " kills (" << calls << " file changes in a whole run), " << found.size()
              << " leftovers after restart" << std::endl;
    EXPECT_GE(kills, atCalls / 2) << "too few kills came before the end of the run";
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace tw::test
