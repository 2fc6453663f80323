#pragma once

#include "gw/AddressEntry.h"
#include "gw/Collection.h"
#include "gw/SharingEntry.h"

#include <memory>

namespace gw {

// A document's sharing list, counted from 1 in the order of the entries.
class SharingList : public Collection<SharingEntry>
{
public:
    // Appends an entry for the address entry with mask at all three levels.
    virtual std::shared_ptr<SharingEntry> Add(const std::shared_ptr<AddressEntry>& entry, int mask) = 0;
};

} // namespace gw
