#include "PlatformSession.h"

#include "IoError.h"
#include "ProgramIdentity.h"
#include "RunHost.h"
#include "gw/Error.h"
#include "gw/Platform.h"

namespace tw {

PlatformSession::PlatformSession(gw::Platform& platform, SessionParts parts)
    : m_parts(parts), m_platform(platform), m_session(platform, parts), m_account(platform, parts.log, parts.host)
{
}

std::shared_ptr<gw::FileServer> PlatformSession::fileServer()
{
    if (!m_fileServer)
        m_fileServer = m_platform.CreateFileServer();
    return m_fileServer;
}

PlatformSession::~PlatformSession()
{
    m_account.AdminLogout();
}

void PlatformSession::showFailure(const QString& text)
{
    m_parts.host.showMessage(kProgramTitle, text, RunHost::Icon::Error);
}

bool PlatformSession::AdminLogin(const QString& windowsUserName)
{
    bool adminRights = false;
    try {
        adminRights = m_account.AdminLogin(windowsUserName);
    } catch (const IoError& error) {
        // The debug log cannot be written: the administration login is abandoned.
        showFailure(error.message());
        m_account.AdminLogout();
    } catch (const gw::Error& error) {
        showFailure(error.message());
        m_account.AdminLogout();
    }
    m_session.selection().setAdminRights(adminRights, [this](const QString& libraryId, const QString& userId) {
        return m_account.CheckLibrarian(libraryId, userId);
    });
    return adminRights;
}

QStringList PlatformSession::adminUserNames()
{
    // The users of every post office first, then the distribution lists; a failure
    // keeps the names read so far.
    QStringList names;
    try {
        m_account.GetPOUsers(names);
        m_account.GetPODLists(names);
    } catch (const IoError& error) {
        showFailure(error.message());
    } catch (const gw::Error& error) {
        showFailure(error.message());
    }
    return names;
}

} // namespace tw
