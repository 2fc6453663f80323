#pragma once

#include "gw/TrashEntries.h"
#include "store/Context.h"

#include <vector>

namespace store {

// The trash's entries as read at the trash's last Refresh.
class StoreTrashEntries : public gw::TrashEntries
{
public:
    StoreTrashEntries(ContextPtr context, std::vector<std::shared_ptr<gw::Message>> entries);

    int Count() override;
    std::shared_ptr<gw::Message> Item(int index) override;
    std::shared_ptr<gw::Message> ItemEx(const QString& messageId) override;

private:
    ContextPtr m_context;
    std::vector<std::shared_ptr<gw::Message>> m_entries;
};

} // namespace store
