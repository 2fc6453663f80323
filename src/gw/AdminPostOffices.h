#pragma once

#include "gw/AdminCollection.h"
#include "gw/AdminDomain.h"
#include "gw/AdminPostOffice.h"

#include <QString>
#include <memory>

namespace gw {

class AdminPostOffices : public AdminCollection<AdminPostOffice>
{
public:
    // Raises gw::Error when the domain has no post office of that name.
    virtual std::shared_ptr<AdminPostOffice> Item(const QString& name, const std::shared_ptr<AdminDomain>& domain) = 0;
};

} // namespace gw
