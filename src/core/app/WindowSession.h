#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace gw {
class FileServer;
}

namespace tw {

// The session as the main window uses it: the login at start-up, the
// administration check, the library selection and the release at shut-down.
// The window receives one; without a platform it runs on a NullSession.
class WindowSession
{
public:
    virtual ~WindowSession() = default;

    // True when the session is ready; false when the program must end.
    virtual bool GWLogin() = 0;
    // The account owner's display name; empty when it cannot be read.
    virtual QString ownerName() = 0;
    // True when the program runs with administration rights.
    virtual bool AdminLogin(const QString& windowsUserName) = 0;
    // The domain's users, then its distribution lists (only with administration rights).
    virtual QStringList adminUserNames() = 0;
    virtual void ComboB_LibsChange(const QString& selectorText) = 0;
    virtual void GWLogout() = 0;
    // The network file server with its salvage areas; nothing without a platform.
    virtual std::shared_ptr<gw::FileServer> fileServer() = 0;
};

} // namespace tw
