#pragma once

#include "gw/Trash.h"
#include "store/Context.h"

#include <vector>

namespace store {

// The logged-in user's trash. Its entries are read at the first use and at
// every Refresh, as a client caches its trash.
class StoreTrash : public gw::Trash
{
public:
    explicit StoreTrash(ContextPtr context);

    void Refresh() override;
    std::shared_ptr<gw::TrashEntries> TrashEntries() override;

private:
    ContextPtr m_context;
    std::vector<std::shared_ptr<gw::Message>> m_entries;
    bool m_read = false;
};

} // namespace store
