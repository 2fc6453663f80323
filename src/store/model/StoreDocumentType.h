#pragma once

#include "gw/DocumentType.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

class StoreDocumentType : public gw::DocumentType
{
public:
    StoreDocumentType(ContextPtr context, FaultPoint point, QString name);
    QString Name() override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    QString m_name;
};

} // namespace store
