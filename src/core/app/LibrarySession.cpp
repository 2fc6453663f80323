#include "LibrarySession.h"

#include "GwRefs.h"
#include "LibraryView.h"
#include "OperationLog.h"
#include "RunHost.h"
#include "RunState.h"
#include "gw/Platform.h"

namespace tw {

LibrarySession::LibrarySession(gw::Platform& platform, GwRefs& refs, RunState& state, OperationLog& log, RunHost& host,
                               LibraryView& view)
    : m_platform(platform), m_refs(refs), m_state(state), m_log(log), m_host(host), m_view(view)
{
}

void LibrarySession::log(const QString& text)
{
    m_log.ErrorCheck(text, true, true);
}

QString LibrarySession::entryOf(const QString& name, const QString& id) const
{
    return name + QStringLiteral(" (") + id + QLatin1Char(')');
}

QStringList LibrarySession::reporterExtraFields()
{
    return {QStringLiteral("ODMA Document ID"), QStringLiteral("Description"),     QStringLiteral("Date Created"),
            QStringLiteral("Date Last Used"),   QStringLiteral("Expiration Date"), QStringLiteral("Doc. Status"),
            QStringLiteral("Staged File Name"), QStringLiteral("Last Used By")};
}

void LibrarySession::setAdminRights(bool adminRights, LibrarianCheck check)
{
    m_adminRights = adminRights;
    m_checkLibrarian = std::move(check);
}

bool LibrarySession::GWLogin()
{
    try {
        m_refs.session = m_platform.CreateSession();
    } catch (const gw::Error&) {
        m_host.showMessage(QStringLiteral("Error"), QStringLiteral("Could not create a GroupWise Ole object."),
                           RunHost::Icon::Information);
        return false;
    }
    try {
        m_refs.loginAccount = m_refs.session->Login(QString(), QString(), QString(), 0);
    } catch (const gw::Error&) {
        return false; // a refused login ends the program without a further message
    }
    m_refs.account = m_refs.loginAccount;
    m_refs.libraries = m_refs.account->DocumentLibraries();

    QString defaultEntry;
    try {
        const auto library = m_refs.account->DefaultDocumentLibrary();
        defaultEntry = entryOf(library->Name(), library->LibraryID());
        log(QStringLiteral("Default Document Library - ") + defaultEntry);
    } catch (const gw::Error&) {
        m_host.showMessage(QStringLiteral("Tarnwick"), QStringLiteral("No Default Library Set"),
                           RunHost::Icon::Information);
        log(QStringLiteral("Default Document Library - <Not Set>"));
    }

    QStringList entries;
    const int count = m_refs.libraries->Count();
    for (int i = 1; i <= count; ++i) {
        const auto library = m_refs.libraries->Item(i);
        const QString entry = entryOf(library->Name(), library->LibraryID());
        log(QStringLiteral("Adding Library - ") + entry);
        entries.append(entry);
    }
    entries.sort(Qt::CaseInsensitive);
    if (defaultEntry.isEmpty()) {
        m_host.showMessage(QStringLiteral("Tarnwick"), QStringLiteral("No Default Library Set"),
                           RunHost::Icon::Information);
        m_view.setLibraryEntries(entries, entries.value(0));
    } else {
        m_view.setLibraryEntries(entries, defaultEntry);
    }
    m_view.setWindowCaption(QStringLiteral("Tarnwick (Logged in as ") + ownerName() + QLatin1Char(')'));
    return true;
}

QString LibrarySession::ownerName()
{
    return m_refs.account ? m_refs.account->Owner()->DisplayName() : QString();
}

void LibrarySession::GWLogout()
{
    m_refs.release();
}

} // namespace tw
