#include "KilledChild.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace tw::test {

namespace {

// Waits for the child; true when SIGKILL ended it.
bool waitKilled(QProcess& child, QString* errors)
{
    child.waitForFinished(120000);
    *errors = QString::fromLocal8Bit(child.readAllStandardError());
    return child.exitStatus() == QProcess::CrashExit;
}

} // namespace

KilledChild::KilledChild(QString program, QStringList arguments, QProcessEnvironment environment)
    : m_program(std::move(program)), m_arguments(std::move(arguments)), m_environment(std::move(environment))
{
}

QProcessEnvironment KilledChild::environmentWith(const QString& killAt, const QString& countFile) const
{
    QProcessEnvironment environment = m_environment;
    environment.insert(QStringLiteral("LD_PRELOAD"), QStringLiteral(TW_KILL_SHIM));
    environment.insert(QStringLiteral("TW_KILL_AT"), killAt);
    if (!countFile.isEmpty())
        environment.insert(QStringLiteral("TW_KILL_COUNT_FILE"), countFile);
    return environment;
}

qint64 KilledChild::countCalls()
{
    QTemporaryDir dir;
    const QString countFile = dir.filePath(QStringLiteral("count"));
    QProcess child;
    child.setProcessEnvironment(environmentWith(QStringLiteral("0"), countFile));
    child.start(m_program, m_arguments);
    child.waitForFinished(300000);
    m_errors = QString::fromLocal8Bit(child.readAllStandardError());
    if (child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0)
        return -1;
    QFile file(countFile);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    return file.readAll().trimmed().toLongLong();
}

bool KilledChild::killAtCall(qint64 k)
{
    QProcess child;
    child.setProcessEnvironment(environmentWith(QString::number(k), QString()));
    child.start(m_program, m_arguments);
    return child.waitForStarted() && waitKilled(child, &m_errors);
}

bool KilledChild::killWhen(const std::function<bool()>& ready, int timeoutMs)
{
    QProcess child;
    child.setProcessEnvironment(m_environment);
    child.start(m_program, m_arguments);
    if (!child.waitForStarted())
        return false;
    QElapsedTimer timer;
    timer.start();
    while (!ready() && timer.elapsed() < timeoutMs && child.state() == QProcess::Running)
        child.waitForFinished(5);
    if (child.state() != QProcess::Running) {
        m_errors = QString::fromLocal8Bit(child.readAllStandardError());
        return false;
    }
    child.kill();
    return waitKilled(child, &m_errors);
}

bool KilledChild::killAfter(int ms)
{
    QElapsedTimer timer;
    timer.start();
    return killWhen([&] { return timer.elapsed() >= ms; }, ms + 1000);
}

} // namespace tw::test
