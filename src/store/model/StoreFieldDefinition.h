#pragma once

#include "gw/FieldDefinition.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

class StoreFieldDefinition : public gw::FieldDefinition
{
public:
    StoreFieldDefinition(ContextPtr context, FaultPoint point, QString name, int type);
    QString Name() override;
    int FieldType() override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    QString m_name;
    int m_type;
};

} // namespace store
