#pragma once

#include <QString>
#include <QVariant>

namespace gw {

// One user-defined field value of a document. Value is a QString for a text
// field, a qint64 for a numeric field and a QDateTime for a date field; an
// unset value is an empty QString / 0 / null QDateTime.
class Field
{
public:
    virtual ~Field() = default;
    virtual QString Name() = 0;
    virtual int FieldType() = 0;
    virtual QVariant Value() = 0;
};

} // namespace gw
