#include "QueryService.h"

#include "StoreQuery.h"

namespace store {

std::shared_ptr<gw::Query> createQuery(const ContextPtr& context)
{
    return std::make_shared<StoreQuery>(context);
}

} // namespace store
