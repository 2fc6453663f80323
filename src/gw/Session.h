#pragma once

#include "gw/Account.h"

#include <QString>
#include <memory>

namespace gw {

class Session
{
public:
    virtual ~Session() = default;
    // Three empty texts and mode 0 log in as the running client's user
    // without a dialog. Raises gw::Error when the login is refused.
    virtual std::shared_ptr<Account> Login(const QString& userId, const QString& commandLine, const QString& password,
                                           int mode)
        = 0;
    virtual int MajorVersion() = 0;
};

} // namespace gw
