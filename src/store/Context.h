#pragma once

#include <QString>
#include <memory>

namespace store {

class Store;

// The logged-in user of a session: every object of the object model carries
// it, and every access check and recorded event names this user.
struct Context
{
    std::shared_ptr<Store> store;
    qint64 userRow = 0; // users.id
    QString userId; // user ID (MailBoxID)
    QString displayName;
    QString postOffice;
    QString domain;
};

using ContextPtr = std::shared_ptr<const Context>;

} // namespace store
