#pragma once

#include "gw/VersionSecurity.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

// One level mask (official, current or other) of one rights row, read from
// and written to the store at every call. A sharing entry's levels carry its
// modify-security right as bit 8 (ModifySecurityRule.h).
class StoreSecurity : public gw::VersionSecurity
{
public:
    StoreSecurity(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow, QString column);

    int Bitmask() override;
    void setBitmask(int mask) override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
    qint64 m_rightsRow;
    QString m_column;
};

} // namespace store
