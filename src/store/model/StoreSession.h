#pragma once

#include "gw/Session.h"

#include <memory>

namespace store {

class Store;

// A session of the store's client: Login with three empty texts logs in as
// the store's client user (setting client.user); a user ID logs in as that
// user.
class StoreSession : public gw::Session
{
public:
    explicit StoreSession(std::shared_ptr<Store> store);

    std::shared_ptr<gw::Account> Login(const QString& userId, const QString& commandLine, const QString& password,
                                       int mode) override;
    int MajorVersion() override;

private:
    std::shared_ptr<Store> m_store;
};

} // namespace store
