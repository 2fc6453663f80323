#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>
#include <functional>

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

} // namespace tw::test
