#include "store/StorePlatform.h"

#include "store/Services.h"
#include "store/Store.h"
#include "store/model/StoreSession.h"
#include "store/salvage/FileServer.h"

#if __has_include("store/admin/AdminService.h")
#include "store/admin/AdminService.h"
#define TW_STORE_HAS_ADMIN 1
#endif
#if __has_include("store/directory/DirectoryService.h")
#include "store/directory/DirectoryService.h"
#define TW_STORE_HAS_DIRECTORY 1
#endif

namespace store {

StorePlatform::StorePlatform(QString directory) : m_directory(std::move(directory)) { }

std::shared_ptr<Store> StorePlatform::store()
{
    if (!m_store) {
        m_store = Store::open(m_directory);
    }
    return m_store;
}

std::shared_ptr<gw::Session> StorePlatform::CreateSession()
{
    return std::make_shared<StoreSession>(store());
}

std::shared_ptr<gw::Admin> StorePlatform::CreateAdmin()
{
#ifdef TW_STORE_HAS_ADMIN
    return createAdmin(store());
#else
    throw gw::Error(QStringLiteral("The administration model is not available in this store"));
#endif
}

std::shared_ptr<gw::Directory> StorePlatform::CreateDirectory()
{
#ifdef TW_STORE_HAS_DIRECTORY
    return createDirectory(store());
#else
    throw gw::Error(QStringLiteral("The directory service is not available in this store"));
#endif
}

std::shared_ptr<gw::FileServer> StorePlatform::CreateFileServer()
{
    return std::make_shared<FileServer>(store());
}

} // namespace store
