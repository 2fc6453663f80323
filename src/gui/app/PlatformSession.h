#pragma once

#include "core/account/KAVGWLib.h"
#include "core/app/LibrarySession.h"

#include <QObject>

namespace gw {
class Platform;
}

namespace tw {

class TMainScreen;

// Connects the main window to a platform: the login and library selection of
// the library session and the account discovery of the administration model.
// It lives as a child of the window, so the administration objects are
// released when the window is destroyed.
class PlatformSession : public QObject
{
    Q_OBJECT
public:
    // Installs the window's session hooks; call before the window's FormCreate.
    PlatformSession(gw::Platform& platform, TMainScreen& screen);
    ~PlatformSession() override;

    LibrarySession& session() { return m_session; }
    KAVGWLib& account() { return m_account; }

private:
    bool AdminLogin(const QString& windowsUserName);
    QStringList adminUserNames();

    LibrarySession m_session;
    KAVGWLib m_account;
};

} // namespace tw
