#pragma once

#include "gw/DocumentChange.h"
#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/Sql.h"

namespace store {

// A document's change as the store keeps it: one write transaction, inside which the store's own
// calls nest as savepoints.
class StoreDocumentChange : public gw::DocumentChange
{
public:
    StoreDocumentChange(ContextPtr context, FaultPoint point);
    void Commit() override;

private:
    ContextPtr m_context;
    FaultPoint m_point;
    WriteTransaction m_transaction;
};

} // namespace store
