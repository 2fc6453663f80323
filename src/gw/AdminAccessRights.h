#pragma once

#include "gw/AdminUserRights.h"

#include <QString>
#include <memory>

namespace gw {

// The explicit access rights of a library (DMSAccessRights).
class AdminAccessRights
{
public:
    virtual ~AdminAccessRights() = default;
    // The rights of the user with that user ID (kind 6: by user ID). Raises
    // gw::Error "An invalid argument was passed in the function call" when the
    // user has no explicit rights in the library.
    virtual std::shared_ptr<AdminUserRights> Item(const QString& userId, int kind) = 0;
};

} // namespace gw
