#include "store/model/StoreAddressEntry.h"

#include "store/model/Guard.h"

namespace store {

StoreAddressEntry::StoreAddressEntry(ContextPtr context, qint64 userRow, qint64 listRow, QString displayName)
    : m_context(std::move(context)), m_userRow(userRow), m_listRow(listRow), m_displayName(std::move(displayName))
{
}

std::shared_ptr<StoreAddressEntry> StoreAddressEntry::user(const ContextPtr& context, qint64 userRow,
                                                           const QString& name)
{
    return std::make_shared<StoreAddressEntry>(context, userRow, 0, name);
}

QString StoreAddressEntry::DisplayName()
{
    guard(m_context, {}, "DisplayName");
    return m_displayName;
}

} // namespace store
