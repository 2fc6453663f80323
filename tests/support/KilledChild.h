#pragma once

#include <QElapsedTimer>
#include <QProcessEnvironment>
#include <QRandomGenerator>
#include <QString>
#include <QStringList>
#include <functional>
#include <gtest/gtest.h>
#include <iostream>

namespace tw::test {

// A child program that a kill test kills with SIGKILL: at a moment the test chooses, or by
// itself just before its K-th call that changes a file (rename, link, unlink, write and their
// relatives; counted by the kill library the child is started with). The test then judges what
// the child left behind.
class KilledChild
{
public:
    KilledChild(QString program, QStringList arguments,
                QProcessEnvironment environment = QProcessEnvironment::systemEnvironment());

    // Runs the child to its end and gives the number of its calls that change files; -1 when
    // it failed (errors() tells why).
    qint64 countCalls();
    // Runs the child until its K-th such call kills it; false when it ended before.
    bool killAtCall(qint64 k);
    // Runs the child until `ready` holds and kills it; false when it ended before.
    bool killWhen(const std::function<bool()>& ready, int timeoutMs = 60000);
    // Runs the child for `ms` milliseconds and kills it; false when it ended before.
    bool killAfter(int ms);

    // What the child wrote to its standard error in its last run.
    QString errors() const { return m_errors; }

private:
    QProcessEnvironment environmentWith(const QString& killAt, const QString& countFile) const;

    QString m_program;
    QStringList m_arguments;
    QProcessEnvironment m_environment;
    QString m_errors;
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
