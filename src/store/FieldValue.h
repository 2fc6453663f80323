#pragma once

#include <QVariant>

namespace store {

// User-defined field values as stored: text, a 64-bit integer, or a date in
// milliseconds since the epoch.
class FieldValue
{
public:
    // Raises StoreError when the value does not fit the field type.
    static QVariant toStored(int fieldType, const QVariant& value);
    // The value the object model hands out (QString, qint64, QDateTime).
    static QVariant fromStored(int fieldType, const QVariant& stored);
};

} // namespace store
