#pragma once

#include "gw/VersionEvent.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

class StoreVersionEvent : public gw::VersionEvent
{
public:
    StoreVersionEvent(ContextPtr context, FaultPoint point, int type, std::shared_ptr<gw::AddressEntry> user,
                      QString fileName, QDateTime created);

    int EventType() override;
    std::shared_ptr<gw::AddressEntry> User() override;
    QString FileName() override;
    QDateTime CreationDate() override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    int m_type;
    std::shared_ptr<gw::AddressEntry> m_user;
    QString m_fileName;
    QDateTime m_created;
};

} // namespace store
