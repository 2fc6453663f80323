#include "store/model/StoreFolder.h"

#include "store/model/Guard.h"
#include "store/model/StoreMessages.h"

namespace store {

StoreFolder::StoreFolder(ContextPtr context) : m_context(std::move(context)) { }

std::shared_ptr<gw::Messages> StoreFolder::Messages()
{
    guard(m_context, {}, "Messages");
    return std::make_shared<StoreMessages>(m_context, StoreMessages::Source::Folder);
}

} // namespace store
