#include "store/model/StoreTrash.h"

#include "store/model/Guard.h"
#include "store/model/StoreMessages.h"
#include "store/model/StoreTrashEntries.h"

namespace store {

StoreTrash::StoreTrash(ContextPtr context) : m_context(std::move(context)) { }

void StoreTrash::Refresh()
{
    guard(m_context, {}, "Refresh");
    m_entries = StoreMessages(m_context, StoreMessages::Source::Trash).snapshot();
    m_read = true;
}

std::shared_ptr<gw::TrashEntries> StoreTrash::TrashEntries()
{
    guard(m_context, {}, "TrashEntries");
    if (!m_read) {
        m_entries = StoreMessages(m_context, StoreMessages::Source::Trash).snapshot();
        m_read = true;
    }
    return std::make_shared<StoreTrashEntries>(m_context, m_entries);
}

} // namespace store
