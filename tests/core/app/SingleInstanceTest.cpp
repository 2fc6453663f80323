#include "core/app/SingleInstance.h"

#include "support/GTestQt.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QUuid>
#include <gtest/gtest.h>

using tw::SingleInstance;

namespace {

QString uniqueKey()
{
    return SingleInstance::keyFor("Tarnwick", "TESTER", QUuid::createUuid().toString());
}

TEST(SingleInstance, SecondStartActivatesTheFirstAndEnds)
{
    const QString key = uniqueKey();
    QProcess first;
    first.start(PROBE_PATH, {key});
    ASSERT_TRUE(first.waitForReadyRead(10000));
    ASSERT_EQ(first.readLine().trimmed(), "first");

    QProcess second;
    second.start(PROBE_PATH, {key});
    ASSERT_TRUE(second.waitForFinished(10000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(second.readAllStandardOutput().trimmed(), "second");

    ASSERT_TRUE(first.waitForFinished(10000));
    EXPECT_EQ(first.exitCode(), 0);
    EXPECT_EQ(first.readAllStandardOutput().trimmed(), "activated");
}

TEST(SingleInstance, AStaleSocketFromACrashedInstanceDoesNotBlockAStart)
{
    const QString key = uniqueKey();
    QProcess crashed;
    crashed.start(PROBE_PATH, {key});
    ASSERT_TRUE(crashed.waitForReadyRead(10000));
    crashed.kill();
    crashed.waitForFinished();

    QProcess next;
    next.start(PROBE_PATH, {key});
    ASSERT_TRUE(next.waitForReadyRead(10000));
    EXPECT_EQ(next.readLine().trimmed(), "first");
    next.kill();
    next.waitForFinished();
}

TEST(SingleInstance, KeysDifferByUserAndStore)
{
    const QString a = SingleInstance::keyFor("Tarnwick", "ANN", "/s1");
    EXPECT_NE(a, SingleInstance::keyFor("Tarnwick", "BOB", "/s1"));
    EXPECT_NE(a, SingleInstance::keyFor("Tarnwick", "ANN", "/s2"));
    EXPECT_EQ(a, SingleInstance::keyFor("Tarnwick", "ANN", "/s1"));
}

// A store reached through a symbolic link, a relative path or a trailing separator is one store.
TEST(SingleInstance, KeysNameTheStoreFolderItself)
{
    QTemporaryDir dir;
    const QString store = dir.filePath("store");
    ASSERT_TRUE(QDir().mkpath(store));
    ASSERT_TRUE(QFile::link(store, dir.filePath("linked")));
    const QString key = SingleInstance::keyFor("Tarnwick", "ANN", store);
    EXPECT_EQ(key, SingleInstance::keyFor("Tarnwick", "ANN", dir.filePath("linked")));
    EXPECT_EQ(key, SingleInstance::keyFor("Tarnwick", "ANN", store + "/"));
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    EXPECT_EQ(key, SingleInstance::keyFor("Tarnwick", "ANN", "store"));
    QDir::setCurrent(before);
}

} // namespace
