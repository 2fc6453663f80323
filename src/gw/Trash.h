#pragma once

#include "gw/TrashEntries.h"

#include <memory>

namespace gw {

class Trash
{
public:
    virtual ~Trash() = default;
    // Reads the trash afresh: entries deleted since are seen afterwards.
    virtual void Refresh() = 0;
    virtual std::shared_ptr<gw::TrashEntries> TrashEntries() = 0;
};

} // namespace gw
