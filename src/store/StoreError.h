#pragma once

#include "gw/Error.h"

namespace store {

// A store that cannot be opened, created or changed as asked. It is a
// gw::Error so that the program reports it like any object-model failure.
class StoreError : public gw::Error
{
public:
    using gw::Error::Error;
};

} // namespace store
