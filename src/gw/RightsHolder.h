#pragma once

#include "gw/VersionSecurity.h"

#include <memory>

namespace gw {

// A holder of rights on a document: the creator (AuthorCreatorRights), all
// users in general (DefaultRights) or a sharing-list entry.
class RightsHolder
{
public:
    virtual ~RightsHolder() = default;
    virtual std::shared_ptr<VersionSecurity> SecurityOfficialVersion() = 0;
    virtual std::shared_ptr<VersionSecurity> SecurityCurrentVersions() = 0;
    virtual std::shared_ptr<VersionSecurity> SecurityOtherVersions() = 0;
};

} // namespace gw
