#pragma once

namespace gw {

// A user's access rights to a library (or the library's default rights).
class AdminUserRights
{
public:
    virtual ~AdminUserRights() = default;
    virtual bool IsLibrarian() = 0;
};

} // namespace gw
