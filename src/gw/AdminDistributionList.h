#pragma once

#include <QString>

namespace gw {

class AdminDistributionList
{
public:
    virtual ~AdminDistributionList() = default;
    virtual QString Name() = 0;
};

} // namespace gw
