#pragma once

#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/Store.h"

namespace store {

// Checks the store's fault rules for a member of an object before it is read
// or called.
inline void guard(const ContextPtr& context, FaultPoint point, const char* member)
{
    FaultRules& rules = context->store->faults();
    if (!rules.any()) {
        return;
    }
    point.member = QString::fromLatin1(member);
    rules.check(point);
}

} // namespace store
