#pragma once

#include "gw/Platform.h"

#include <QString>
#include <memory>

namespace store {

class Store;

// The platform behind the program: the store in one directory. The store is
// opened at the first Create call; a directory without a store makes every
// Create call fail as an object model that cannot be created.
class StorePlatform : public gw::Platform
{
public:
    explicit StorePlatform(QString directory);

    std::shared_ptr<gw::Session> CreateSession() override;
    std::shared_ptr<gw::Admin> CreateAdmin() override;
    std::shared_ptr<gw::Directory> CreateDirectory() override;
    std::shared_ptr<gw::FileServer> CreateFileServer() override;

    std::shared_ptr<Store> store();

private:
    QString m_directory;
    std::shared_ptr<Store> m_store;
};

} // namespace store
