#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// A memory figure of this process from /proc/self/status in kilobytes (Linux), 0 where it
// cannot be read: "VmRSS:" now, "VmHWM:" the highest so far.
inline long statusKb(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray prefix(key);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return line.mid(prefix.size()).trimmed().split(' ').first().toLong();
    }
    return 0;
}

inline long residentKb()
{
    return statusKb("VmRSS:");
}

inline long highWaterKb()
{
    return statusKb("VmHWM:");
}
