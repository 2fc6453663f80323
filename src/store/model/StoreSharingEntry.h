#pragma once

#include "gw/SharingEntry.h"
#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/model/StoreRightsHolder.h"

namespace store {

// One entry of a document's sharing list: one rights row of kind 2.
class StoreSharingEntry : public gw::SharingEntry
{
public:
    StoreSharingEntry(ContextPtr context, FaultPoint point, qint64 documentRow, qint64 rightsRow);

    std::shared_ptr<gw::VersionSecurity> SecurityOfficialVersion() override;
    std::shared_ptr<gw::VersionSecurity> SecurityCurrentVersions() override;
    std::shared_ptr<gw::VersionSecurity> SecurityOtherVersions() override;
    std::shared_ptr<gw::AddressEntry> User() override;
    bool RevokeAllRights() override;
    void setRevokeAllRights(bool revoke) override;
    bool ModifySecurity() override;
    void setModifySecurity(bool modify) override;
    void Delete() override;

private:
    // A write of one flag: `sql` takes the value and the row.
    void write(const char* member, const QString& sql, bool value);

    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
    qint64 m_rightsRow;
    StoreRightsHolder m_levels;
};

} // namespace store
