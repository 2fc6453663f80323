#pragma once

#include "gw/AddressEntry.h"
#include "gw/Collection.h"

#include <QString>
#include <memory>

namespace gw {

// The entries of an address book, or a collection found in one.
class AddressEntries : public Collection<AddressEntry>
{
public:
    // filter: (Name MATCHES "text") compares the whole display name ignoring
    // case, "*" matching any run of characters. An empty result when nothing
    // matches; a malformed filter raises gw::Error.
    virtual std::shared_ptr<AddressEntries> Find(const QString& filter) = 0;
    // Appends every entry of a found collection to this one.
    virtual void Add(const std::shared_ptr<AddressEntries>& entries) = 0;
    virtual void Add(const std::shared_ptr<AddressEntry>& entry) = 0;
};

} // namespace gw
