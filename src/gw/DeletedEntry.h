#pragma once

#include <QDateTime>
#include <QString>

namespace gw {

// One deleted entry of a directory's salvage area, as a scan returns it.
struct DeletedEntry
{
    QString name; // 8.3, at most 12 characters
    quint32 volumeNumber = 0;
    quint32 directoryBase = 0;
    qint32 iterationHandle = -1; // the handle that returned this entry
    QDateTime deletedAt;
    QString deletorName;
};

} // namespace gw
