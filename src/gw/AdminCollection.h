#pragma once

#include "gw/AdminIterator.h"

#include <memory>

namespace gw {

// A collection of the administration model, walked with an iterator.
template <typename T> class AdminCollection
{
public:
    virtual ~AdminCollection() = default;
    virtual std::shared_ptr<AdminIterator<T>> CreateIterator() = 0;
};

} // namespace gw
