#pragma once

#include <QString>

namespace gw {

// An address-book entry: a user or a distribution list. Every member that
// hands out an address entry (Owner, Author, Creator, Retriever, User) gives
// an object, never a null pointer; an unknown or absent person has an empty
// DisplayName.
class AddressEntry
{
public:
    virtual ~AddressEntry() = default;
    virtual QString DisplayName() = 0;
};

} // namespace gw
