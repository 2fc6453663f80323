#include "AdminService.h"

namespace store {

std::shared_ptr<gw::Admin> createAdmin(const std::shared_ptr<Store>& store)
{
    return std::make_shared<AdminModel>(store);
}

} // namespace store
