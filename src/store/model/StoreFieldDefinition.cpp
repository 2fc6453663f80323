#include "store/model/StoreFieldDefinition.h"

#include "store/model/Guard.h"

namespace store {

StoreFieldDefinition::StoreFieldDefinition(ContextPtr context, FaultPoint point, QString name, int type)
    : m_context(std::move(context)), m_point(std::move(point)), m_name(std::move(name)), m_type(type)
{
}

QString StoreFieldDefinition::Name()
{
    guard(m_context, m_point, "Name");
    return m_name;
}

int StoreFieldDefinition::FieldType()
{
    guard(m_context, m_point, "FieldType");
    return m_type;
}

} // namespace store
