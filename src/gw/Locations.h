#pragma once

#include "gw/Collection.h"
#include "gw/Library.h"

#include <memory>

namespace gw {

// The libraries a query searches.
class Locations : public Collection<Library>
{
public:
    virtual void Add(const std::shared_ptr<Library>& library) = 0;
    virtual void Remove(int index) = 0;
};

} // namespace gw
