#pragma once

#include <memory>

namespace gw {

// Walks an administration collection: Reset goes before the first item; Next
// gives the next item, or a null pointer after the last.
template <typename T> class AdminIterator
{
public:
    virtual ~AdminIterator() = default;
    virtual void Reset() = 0;
    virtual std::shared_ptr<T> Next() = 0;
};

} // namespace gw
