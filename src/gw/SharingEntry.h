#pragma once

#include "gw/AddressEntry.h"
#include "gw/RightsHolder.h"

#include <memory>

namespace gw {

// One entry of a document's sharing list (AdditionalRights).
class SharingEntry : public RightsHolder
{
public:
    virtual std::shared_ptr<AddressEntry> User() = 0;
    // True is an explicit deny: no rights whatever the masks hold.
    virtual bool RevokeAllRights() = 0;
    virtual void setRevokeAllRights(bool revoke) = 0;
    virtual bool ModifySecurity() = 0;
    virtual void setModifySecurity(bool modify) = 0;
    // Removes the entry from the sharing list.
    virtual void Delete() = 0;
};

} // namespace gw
