#pragma once

#include <QDateTime>
#include <QString>

namespace store {

// The record the file server returns for one deleted entry of a scan.
struct DeletedEntry
{
    QString name; // 8.3, upper case: fits the 15-byte name field with its terminating zero
    QDateTime deletedAt;
    QString deletedBy;
    qint64 size = 0;
};

} // namespace store
