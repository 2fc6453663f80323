#pragma once

#include <QString>

namespace gw {

// Field types of user-defined fields. Only text and numeric fields are offered
// by the program; other types (date, ...) exist and are skipped.
enum FieldTypeCode {
    FieldText = 1,
    FieldNumeric = 2,
    FieldDate = 3,
};

class FieldDefinition
{
public:
    virtual ~FieldDefinition() = default;
    virtual QString Name() = 0;
    virtual int FieldType() = 0;
};

} // namespace gw
