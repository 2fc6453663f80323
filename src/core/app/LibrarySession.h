#pragma once

#include "LibrarySelection.h"
#include "SessionParts.h"

#include <QString>

namespace gw {
class Platform;
}

namespace tw {

// The session with the library platform: the login at start-up, the library
// selection, and the release of every reference at shut-down.
class LibrarySession
{
public:
    LibrarySession(gw::Platform& platform, SessionParts parts);

    // True when the session is ready; false when the program must end.
    bool GWLogin();
    // The owner's display name read at login, for the report author; empty when it could not be read.
    QString ownerName() const { return m_ownerName; }
    void ComboB_LibsChange(const QString& selectorText) { m_selection.ComboB_LibsChange(selectorText); }
    void GWLogout();

    LibrarySelection& selection() { return m_selection; }

private:
    void listLibraries();
    QString readDefaultEntry();
    void log(const QString& text);
    void noDefaultLibrary();
    QString readOwnerName();

    gw::Platform& m_platform;
    SessionParts m_parts;
    LibrarySelection m_selection;
    QString m_ownerName;
};

} // namespace tw
