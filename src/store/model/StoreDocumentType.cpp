#include "store/model/StoreDocumentType.h"

#include "store/model/Guard.h"

namespace store {

StoreDocumentType::StoreDocumentType(ContextPtr context, FaultPoint point, QString name)
    : m_context(std::move(context)), m_point(std::move(point)), m_name(std::move(name))
{
}

QString StoreDocumentType::Name()
{
    guard(m_context, m_point, "Name");
    return m_name;
}

} // namespace store
