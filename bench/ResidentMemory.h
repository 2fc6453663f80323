#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// Resident memory of this process in kilobytes (Linux), 0 where it cannot be read.
inline long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return 0;
}
