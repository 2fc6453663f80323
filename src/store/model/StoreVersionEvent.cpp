#include "store/model/StoreVersionEvent.h"

#include "store/model/Guard.h"

namespace store {

StoreVersionEvent::StoreVersionEvent(ContextPtr context, FaultPoint point, int type,
                                     std::shared_ptr<gw::AddressEntry> user, QString fileName, QDateTime created)
    : m_context(std::move(context))
    , m_point(std::move(point))
    , m_type(type)
    , m_user(std::move(user))
    , m_fileName(std::move(fileName))
    , m_created(std::move(created))
{
}

int StoreVersionEvent::EventType()
{
    guard(m_context, m_point, "EventType");
    return m_type;
}

std::shared_ptr<gw::AddressEntry> StoreVersionEvent::User()
{
    guard(m_context, m_point, "User");
    return m_user;
}

QString StoreVersionEvent::FileName()
{
    guard(m_context, m_point, "FileName");
    return m_fileName;
}

QDateTime StoreVersionEvent::CreationDate()
{
    guard(m_context, m_point, "CreationDate");
    return m_created;
}

} // namespace store
