#pragma once

#include <QDateTime>
#include <QString>

namespace store {

// One deleted file held in a directory's salvage area.
struct SalvageEntry
{
    quint32 sequence = 0; // position in the area, growing with every deletion
    QString originalName; // the file's name in its directory before deletion
    QString dosName; // the 8.3 name the file server reports it under
    QDateTime deletedAt;
    QString deletedBy;
    qint64 size = 0;
};

} // namespace store
