#pragma once

#include <QDateTime>
#include <QVariant>

namespace store {

// A date as the store holds it (milliseconds since the epoch, or never),
// turned into a local QDateTime only when a member reads it: a walk over many
// versions reads few of their dates.
struct StoredDate
{
    qint64 ms = 0;
    bool valid = false;

    static StoredDate from(const QVariant& value)
    {
        return value.isNull() ? StoredDate {} : StoredDate {value.toLongLong(), true};
    }
    QDateTime toDateTime() const { return valid ? QDateTime::fromMSecsSinceEpoch(ms) : QDateTime(); }
};

} // namespace store
