#pragma once

#include "gw/AddressEntry.h"
#include "store/Context.h"

namespace store {

// An address entry: a user (userRow), a distribution list (listRow) or only
// a name (someone no longer in the system, or nobody at all).
class StoreAddressEntry : public gw::AddressEntry
{
public:
    StoreAddressEntry(ContextPtr context, qint64 userRow, qint64 listRow, QString displayName);

    static std::shared_ptr<StoreAddressEntry> user(const ContextPtr& context, qint64 userRow, const QString& name);

    QString DisplayName() override;

    qint64 userRow() const { return m_userRow; }
    qint64 listRow() const { return m_listRow; }
    const QString& name() const { return m_displayName; }

private:
    ContextPtr m_context;
    qint64 m_userRow;
    qint64 m_listRow;
    QString m_displayName;
};

} // namespace store
