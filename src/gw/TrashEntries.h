#pragma once

#include "gw/Collection.h"
#include "gw/Message.h"

#include <QString>
#include <memory>

namespace gw {

class TrashEntries : public Collection<Message>
{
public:
    // The entry with that MessageID; raises gw::Error when there is none.
    virtual std::shared_ptr<Message> ItemEx(const QString& messageId) = 0;
};

} // namespace gw
