#include "store/model/StoreTrashEntries.h"

#include "gw/Error.h"
#include "store/model/Guard.h"

namespace store {

StoreTrashEntries::StoreTrashEntries(ContextPtr context, std::vector<std::shared_ptr<gw::Message>> entries)
    : m_context(std::move(context)), m_entries(std::move(entries))
{
}

int StoreTrashEntries::Count()
{
    guard(m_context, {}, "Count");
    return int(m_entries.size());
}

std::shared_ptr<gw::Message> StoreTrashEntries::Item(int index)
{
    guard(m_context, {}, "Item");
    if (index < 1 || index > int(m_entries.size())) {
        throw gw::Error(
            QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(m_entries.size()));
    }
    return m_entries[size_t(index - 1)];
}

std::shared_ptr<gw::Message> StoreTrashEntries::ItemEx(const QString& messageId)
{
    guard(m_context, {}, "ItemEx");
    for (const auto& entry : m_entries) {
        if (entry->MessageID() == messageId) {
            return entry;
        }
    }
    throw gw::Error(QStringLiteral("No entry %1 in the trash").arg(messageId));
}

} // namespace store
