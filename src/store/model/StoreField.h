#pragma once

#include "gw/Field.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

// One user-defined field value of a document, read when handed out.
class StoreField : public gw::Field
{
public:
    StoreField(ContextPtr context, FaultPoint point, QString name, int type, QVariant value);
    QString Name() override;
    int FieldType() override;
    QVariant Value() override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    QString m_name;
    int m_type;
    QVariant m_value;
};

} // namespace store
