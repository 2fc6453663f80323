#pragma once

#include "LibrarySelection.h"
#include "WindowSession.h"

namespace tw {

// The window's session when there is no platform: logged in as the person at
// the workstation, with no libraries to list and no administration rights. A
// selection finds no library and says so, as it does for a library that is
// no longer accessible.
class NullSession : public WindowSession
{
public:
    NullSession(SessionParts parts, QString userName);

    bool GWLogin() override;
    QString ownerName() override { return m_userName; }
    bool AdminLogin(const QString&) override { return false; }
    QStringList adminUserNames() override { return {}; }
    void ComboB_LibsChange(const QString& selectorText) override { m_selection.ComboB_LibsChange(selectorText); }
    void GWLogout() override;
    std::shared_ptr<gw::FileServer> fileServer() override { return nullptr; }

private:
    SessionParts m_parts;
    QString m_userName;
    LibrarySelection m_selection;
};

} // namespace tw
