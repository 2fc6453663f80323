#pragma once

#include <QString>

namespace gw {

class AdminUser
{
public:
    virtual ~AdminUser() = default;
    virtual QString GivenName() = 0;
    virtual QString Surname() = 0;
    // The user ID.
    virtual QString MailBoxID() = 0;
};

} // namespace gw
