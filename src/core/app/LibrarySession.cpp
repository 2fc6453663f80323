#include "LibrarySession.h"

#include "EscapedText.h"
#include "GwRefs.h"
#include "IoError.h"
#include "LibraryView.h"
#include "OperationLog.h"
#include "ProgramIdentity.h"
#include "RunHost.h"
#include "gw/Platform.h"

namespace tw {

LibrarySession::LibrarySession(gw::Platform& platform, SessionParts parts)
    : m_platform(platform), m_parts(parts), m_selection(parts)
{
}

void LibrarySession::log(const QString& text)
{
    m_parts.log.ErrorCheck(text, true, true);
}

bool LibrarySession::GWLogin()
{
    GwRefs& refs = m_parts.refs;
    try {
        refs.session = m_platform.CreateSession();
    } catch (const gw::Error& error) {
        // The message says only that the store could not be used; the log keeps why (none there,
        // damaged, read-only, of a newer program), so that whoever reads it can mend the store.
        const QString message = QStringLiteral("Could not create a GroupWise Ole object.");
        log(message + QLatin1Char(' ') + EscapedText::of(error.message()));
        m_parts.host.showMessage(QStringLiteral("Error"), message, RunHost::Icon::Information);
        return false;
    }
    try {
        refs.loginAccount = refs.session->Login(QString(), QString(), QString(), 0);
    } catch (const gw::Error&) {
        return false; // a refused login ends the program without a further message
    }
    refs.account = refs.loginAccount;
    // Past the login the session stands: an error in what follows is shown, and the
    // program goes on with what was read (the libraries listed so far).
    try {
        listLibraries();
    } catch (const gw::Error& error) {
        m_parts.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    } catch (const IoError& error) {
        m_parts.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
    m_ownerName = readOwnerName();
    const QString shown = m_ownerName.isEmpty() ? QStringLiteral("<UNKNOWN>") : m_ownerName;
    m_parts.view.setWindowCaption(kProgramTitle + QStringLiteral(" (Logged in as ") + shown + QLatin1Char(')'));
    return true;
}

void LibrarySession::listLibraries()
{
    GwRefs& refs = m_parts.refs;
    refs.libraries = refs.account->DocumentLibraries();
    const QString defaultEntry = readDefaultEntry();
    QStringList entries;
    // The entries read so far are listed whatever stops the walk.
    struct Show
    {
        LibrarySession& session;
        const QStringList& entries;
        const QString& defaultEntry;
        ~Show()
        {
            QStringList sorted = entries;
            sorted.sort(Qt::CaseInsensitive);
            session.m_parts.view.setLibraryEntries(sorted, defaultEntry.isEmpty() ? sorted.value(0) : defaultEntry);
        }
    } show {*this, entries, defaultEntry};
    const int count = refs.libraries->Count();
    for (int i = 1; i <= count; ++i) {
        const auto library = refs.libraries->Item(i);
        const QString entry = LibrarySelection::entryOf(library->Name(), library->LibraryID());
        log(QStringLiteral("Adding Library - ") + entry);
        entries.append(entry);
    }
    if (defaultEntry.isEmpty())
        noDefaultLibrary();
}

QString LibrarySession::readDefaultEntry()
{
    try {
        const auto library = m_parts.refs.account->DefaultDocumentLibrary();
        const QString entry = LibrarySelection::entryOf(library->Name(), library->LibraryID());
        log(QStringLiteral("Default Document Library - ") + entry);
        return entry;
    } catch (const gw::Error&) {
        noDefaultLibrary();
        log(QStringLiteral("Default Document Library - <Not Set>"));
    }
    return QString();
}

void LibrarySession::noDefaultLibrary()
{
    m_parts.host.showMessage(kProgramTitle, QStringLiteral("No Default Library Set"), RunHost::Icon::Information);
}

QString LibrarySession::readOwnerName()
{
    try {
        return m_parts.refs.account->Owner()->DisplayName();
    } catch (const gw::Error& error) {
        m_parts.host.showMessage(kProgramTitle, error.message(), RunHost::Icon::Error);
    }
    return QString();
}

void LibrarySession::GWLogout()
{
    m_parts.refs.release();
}

} // namespace tw
