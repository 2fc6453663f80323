#include "NullSession.h"

#include "GwRefs.h"
#include "LibraryView.h"
#include "ProgramIdentity.h"

namespace tw {

NullSession::NullSession(SessionParts parts, QString userName)
    : m_parts(parts), m_userName(std::move(userName)), m_selection(parts)
{
}

bool NullSession::GWLogin()
{
    m_parts.view.setLibraryEntries({}, QString());
    m_parts.view.setWindowCaption(kProgramTitle + QStringLiteral(" (Logged in as ") + m_userName + QLatin1Char(')'));
    return true;
}

void NullSession::GWLogout()
{
    m_parts.refs.release();
}

} // namespace tw
