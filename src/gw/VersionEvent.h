#pragma once

#include "gw/AddressEntry.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace gw {

// Activity event codes recorded by the library store.
enum EventCode {
    EventCreated = 1,
    EventCheckedIn = 2,
    EventCheckedOut = 4,
    EventImported = 6,
    EventExported = 7,
    EventCopyVersion = 8,
    EventDeleted = 9,
    EventClosed = 12,
    EventViewed = 13,
    EventOpened = 14,
    EventSecurityModified = 19,
    EventShared = 20,
    EventPropertiesUpdated = 22,
    EventStatusReset = 30,
    EventArchived = 31,
    EventRestored = 32,
};

// One entry of a version's activity log.
class VersionEvent
{
public:
    virtual ~VersionEvent() = default;
    virtual int EventType() = 0;
    virtual std::shared_ptr<AddressEntry> User() = 0;
    // The full path of the content file the event concerns.
    virtual QString FileName() = 0;
    virtual QDateTime CreationDate() = 0;
};

} // namespace gw
