#pragma once

#include "gw/Collection.h"
#include "gw/Message.h"
#include "gw/Version.h"

#include <QString>
#include <memory>

namespace gw {

// The references of a folder, or the hits of a query (QueryMessages).
class Messages : public Collection<Message>
{
public:
    // className "GW.MESSAGE.DOCUMENTREFERENCE", the version, and 2: creates a
    // reference to the version in the folder.
    virtual std::shared_ptr<Message> Add(const QString& className, const std::shared_ptr<Version>& version, int mode)
        = 0;
    // The references of this collection matching a query expression.
    virtual std::shared_ptr<Messages> Find(const QString& expression) = 0;
};

} // namespace gw
