#pragma once

#include <QString>

namespace gw {

class AdminDomain
{
public:
    virtual ~AdminDomain() = default;
    virtual QString Name() = 0;
    virtual QString DistinguishedName() = 0;
    // The domain's database directory.
    virtual QString Path() = 0;
};

} // namespace gw
