#include "PlatformSession.h"

#include "GuiHost.h"
#include "TMainScreen.h"

namespace tw {

PlatformSession::PlatformSession(gw::Platform& platform, TMainScreen& screen)
    : QObject(&screen)
    , m_session(platform, screen.refs(), screen.runState(), screen.log(), screen.host(), screen.libraryView())
    , m_account(platform, screen.log(), screen.host())
{
    TMainScreen::SessionHooks hooks;
    hooks.GWLogin = [this] { return m_session.GWLogin(); };
    hooks.ownerName = [this] { return m_session.ownerName(); };
    hooks.AdminLogin = [this](const QString& user) { return AdminLogin(user); };
    hooks.adminUserNames = [this] { return adminUserNames(); };
    hooks.ComboB_LibsChange = [this](const QString& text) { m_session.ComboB_LibsChange(text); };
    hooks.GWLogout = [this] { m_session.GWLogout(); };
    screen.setSessionHooks(std::move(hooks));
}

PlatformSession::~PlatformSession()
{
    m_account.AdminLogout();
}

bool PlatformSession::AdminLogin(const QString& windowsUserName)
{
    const bool adminRights = m_account.AdminLogin(windowsUserName);
    m_session.setAdminRights(adminRights, [this](const QString& libraryId, const QString& userId) {
        return m_account.CheckLibrarian(libraryId, userId);
    });
    return adminRights;
}

QStringList PlatformSession::adminUserNames()
{
    // The users of every post office first, then the distribution lists.
    QStringList names;
    m_account.GetPOUsers(names);
    m_account.GetPODLists(names);
    return names;
}

} // namespace tw
