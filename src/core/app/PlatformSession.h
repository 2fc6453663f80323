#pragma once

#include "LibrarySession.h"
#include "WindowSession.h"
#include "core/account/KAVGWLib.h"

namespace tw {

// The window's session on a library platform: the login and library selection
// of the library session, and the account discovery and librarian check of the
// administration model. Failures of the administration part never stop the
// program; they leave it with limited rights.
class PlatformSession : public WindowSession
{
public:
    PlatformSession(gw::Platform& platform, SessionParts parts);
    ~PlatformSession() override;

    bool GWLogin() override { return m_session.GWLogin(); }
    QString ownerName() override { return m_session.ownerName(); }
    bool AdminLogin(const QString& windowsUserName) override;
    QStringList adminUserNames() override;
    void ComboB_LibsChange(const QString& selectorText) override { m_session.ComboB_LibsChange(selectorText); }
    void GWLogout() override { m_session.GWLogout(); }
    std::shared_ptr<gw::FileServer> fileServer() override;

    LibrarySession& session() { return m_session; }
    KAVGWLib& account() { return m_account; }

private:
    void showFailure(const QString& text);

    SessionParts m_parts;
    gw::Platform& m_platform;
    std::shared_ptr<gw::FileServer> m_fileServer;
    LibrarySession m_session;
    KAVGWLib m_account;
};

} // namespace tw
