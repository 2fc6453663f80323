#pragma once

#include "gw/AdminDomain.h"
#include "gw/AdminPostOffices.h"

#include <QString>
#include <memory>

namespace gw {

// The administration object.
class Admin
{
public:
    virtual ~Admin() = default;
    // Logs into the domain with that distinguished name; succeeds only for the
    // domain's administrators (the store's client user). Raises gw::Error.
    virtual void ConnectbyDN(const QString& domainDN, const QString& password) = 0;
    // Raise gw::Error before a successful ConnectbyDN.
    virtual std::shared_ptr<AdminDomain> ConnectedDomain() = 0;
    virtual std::shared_ptr<gw::AdminPostOffices> PostOffices() = 0;
};

} // namespace gw
