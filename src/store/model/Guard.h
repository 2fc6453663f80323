#pragma once

#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/Store.h"

namespace store {

// Checks the store's fault rules for a member of an object before it is read
// or called.
// The point is copied only when there are rules: most reads happen with none.
inline void guard(const ContextPtr& context, const FaultPoint& point, const char* member)
{
    FaultRules& rules = context->store->faults();
    if (!rules.any()) {
        return;
    }
    FaultPoint named = point;
    named.member = QString::fromLatin1(member);
    rules.check(named);
}

} // namespace store
