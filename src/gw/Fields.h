#pragma once

#include "gw/Collection.h"
#include "gw/Field.h"

#include <QString>
#include <memory>

namespace gw {

// The user-defined fields of a document.
class Fields : public Collection<Field>
{
public:
    // The field of that name and type (1 text, 2 numeric); raises gw::Error
    // when the library defines no such field of that type.
    virtual std::shared_ptr<Field> Item(const QString& name, int fieldType) = 0;
    using Collection<Field>::Item;
};

} // namespace gw
