#include "store/FieldValue.h"

#include "gw/FieldDefinition.h"
#include "store/Sql.h"
#include "store/StoreError.h"

#include <QDateTime>

namespace store {

QVariant FieldValue::toStored(int fieldType, const QVariant& value)
{
    switch (fieldType) {
    case gw::FieldText:
        return value.toString();
    case gw::FieldNumeric: {
        bool ok = false;
        const qint64 number = value.toString().trimmed().toLongLong(&ok);
        if (!ok) {
            throw StoreError(QStringLiteral("%1 is not a whole number").arg(value.toString()));
        }
        return number;
    }
    default: {
        QDateTime date = value.toDateTime();
        if (!date.isValid()) {
            date = QDateTime::fromString(value.toString().trimmed(), Qt::ISODate);
        }
        if (!date.isValid()) {
            throw StoreError(QStringLiteral("%1 is not a date (yyyy-mm-dd)").arg(value.toString()));
        }
        return Sql::fromDate(date);
    }
    }
}

QVariant FieldValue::fromStored(int fieldType, const QVariant& stored)
{
    switch (fieldType) {
    case gw::FieldText:
        return stored.isNull() ? QString() : stored.toString();
    case gw::FieldNumeric:
        return stored.toLongLong();
    default:
        return Sql::toDate(stored);
    }
}

} // namespace store
