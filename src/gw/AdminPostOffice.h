#pragma once

#include "gw/AdminCollection.h"
#include "gw/AdminDistributionList.h"
#include "gw/AdminLibrary.h"
#include "gw/AdminUser.h"

#include <QString>
#include <memory>

namespace gw {

class AdminPostOffice
{
public:
    virtual ~AdminPostOffice() = default;
    virtual QString Name() = 0;
    virtual std::shared_ptr<AdminCollection<AdminUser>> Users() = 0;
    virtual std::shared_ptr<AdminCollection<AdminDistributionList>> DistributionLists() = 0;
    virtual std::shared_ptr<AdminCollection<AdminLibrary>> Libraries() = 0;
};

} // namespace gw
