#include "DirectoryService.h"

namespace store {

std::shared_ptr<gw::Directory> createDirectory(const std::shared_ptr<Store>& store)
{
    return std::make_shared<StoreDirectory>(store);
}

} // namespace store
