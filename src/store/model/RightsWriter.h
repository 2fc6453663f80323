#pragma once

#include "store/Context.h"

namespace store {

// What every change of a document's rights goes through: the check that the
// logged-in user may modify its security, and the "Security Modified" event
// on its official version.
class RightsWriter
{
public:
    static void requireModify(const ContextPtr& context, qint64 documentRow);
    static void recordChange(const ContextPtr& context, qint64 documentRow);
    // Raises gw::Error for a mask outside 0..63.
    static void checkMask(int mask);
};

} // namespace store
