#pragma once

#include "gw/RightsHolder.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

namespace store {

// The creator's or the general rights of a document, or the levels of a
// sharing-list entry: one rights row.
class StoreRightsHolder : public gw::RightsHolder
{
public:
    StoreRightsHolder(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow);

    std::shared_ptr<gw::VersionSecurity> SecurityOfficialVersion() override;
    std::shared_ptr<gw::VersionSecurity> SecurityCurrentVersions() override;
    std::shared_ptr<gw::VersionSecurity> SecurityOtherVersions() override;

    // The row of a document's creator (kind 0) or general (kind 1) rights,
    // made when the document has none yet.
    static qint64 holderRow(const ContextPtr& context, qint64 documentRow, int kind);

protected:
    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
    qint64 m_rightsRow;

private:
    std::shared_ptr<gw::VersionSecurity> level(const char* member, const char* column);
};

} // namespace store
