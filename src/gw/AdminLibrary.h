#pragma once

#include "gw/AdminAccessRights.h"
#include "gw/AdminDomain.h"
#include "gw/AdminUserRights.h"

#include <QString>
#include <memory>

namespace gw {

class AdminPostOffice;

class AdminLibrary
{
public:
    virtual ~AdminLibrary() = default;
    virtual std::shared_ptr<AdminDomain> Domain() = 0;
    virtual std::shared_ptr<AdminPostOffice> PostOffice() = 0;
    virtual QString Name() = 0;
    virtual QString DistinguishedName() = 0;
    virtual std::shared_ptr<AdminAccessRights> DMSAccessRights() = 0;
    virtual std::shared_ptr<AdminUserRights> DefaultRights() = 0;
};

} // namespace gw
