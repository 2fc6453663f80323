#include "store/model/StoreField.h"

#include "store/model/Guard.h"

namespace store {

StoreField::StoreField(ContextPtr context, FaultPoint point, QString name, int type, QVariant value)
    : m_context(std::move(context))
    , m_point(std::move(point))
    , m_name(std::move(name))
    , m_type(type)
    , m_value(std::move(value))
{
}

QString StoreField::Name()
{
    guard(m_context, m_point, "Name");
    return m_name;
}

int StoreField::FieldType()
{
    guard(m_context, m_point, "FieldType");
    return m_type;
}

QVariant StoreField::Value()
{
    guard(m_context, m_point, "Value");
    return m_value;
}

} // namespace store
