#include "store/model/StoreDocumentChange.h"

#include "store/model/Guard.h"

namespace store {

StoreDocumentChange::StoreDocumentChange(ContextPtr context, FaultPoint point)
    : m_context(std::move(context)), m_point(std::move(point)), m_transaction(m_context->store->database())
{
}

void StoreDocumentChange::Commit()
{
    guard(m_context, m_point, "Commit");
    m_transaction.commit();
}

} // namespace store
