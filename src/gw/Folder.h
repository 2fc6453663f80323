#pragma once

#include "gw/Messages.h"

#include <memory>

namespace gw {

class Folder
{
public:
    virtual ~Folder() = default;
    virtual std::shared_ptr<gw::Messages> Messages() = 0;
};

} // namespace gw
