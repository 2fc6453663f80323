#pragma once

#include "gw/Folder.h"
#include "store/Context.h"

namespace store {

// The logged-in user's Documents folder.
class StoreFolder : public gw::Folder
{
public:
    explicit StoreFolder(ContextPtr context);
    std::shared_ptr<gw::Messages> Messages() override;

private:
    ContextPtr m_context;
};

} // namespace store
