#pragma once

#include "gw/SharingList.h"
#include "store/Context.h"
#include "store/FaultPoint.h"

#include <vector>

namespace store {

// A document's sharing list, read afresh at every Count and Item so that
// entries added or deleted through other objects are seen.
class StoreSharingList : public gw::SharingList
{
public:
    StoreSharingList(ContextPtr context, FaultPoint point, qint64 documentRow);

    int Count() override;
    std::shared_ptr<gw::SharingEntry> Item(int index) override;
    std::shared_ptr<gw::SharingEntry> Add(const std::shared_ptr<gw::AddressEntry>& entry, int mask) override;

private:
    std::vector<qint64> rows();

    ContextPtr m_context;
    FaultPoint m_point;
    qint64 m_documentRow;
};

} // namespace store
