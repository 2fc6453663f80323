#pragma once

#include <memory>

namespace gw {

// A collection of the object model. Items count from 1; an index outside
// 1..Count() raises gw::Error.
template <typename T> class Collection
{
public:
    virtual ~Collection() = default;
    virtual int Count() = 0;
    virtual std::shared_ptr<T> Item(int index) = 0;
};

} // namespace gw
