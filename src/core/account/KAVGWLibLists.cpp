// The walks of the domain's post offices: users, distribution lists, and the
// librarian check of one library.
#include "KAVGWLib.h"
#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "gw/Admin.h"
#include "gw/AdminAccessRights.h"
#include "gw/AdminDistributionList.h"
#include "gw/AdminDomain.h"
#include "gw/AdminLibrary.h"
#include "gw/AdminPostOffice.h"
#include "gw/AdminPostOffices.h"
#include "gw/AdminUser.h"
#include "gw/AdminUserRights.h"
#include "gw/Error.h"

#include <functional>

namespace tw {
namespace {

// Walks an administration collection with its iterator until `visit` says stop.
template <typename T>
void walk(const std::shared_ptr<gw::AdminCollection<T>>& collection,
          const std::function<bool(const std::shared_ptr<T>&)>& visit)
{
    if (!collection)
        return;
    const auto iterator = collection->CreateIterator();
    iterator->Reset();
    while (const std::shared_ptr<T> item = iterator->Next()) {
        if (!visit(item))
            return;
    }
}

} // namespace

void KAVGWLib::GetPOUsers(QStringList& list)
{
    if (!m_postOffices)
        return;
    walk<gw::AdminPostOffice>(m_postOffices, [&](const std::shared_ptr<gw::AdminPostOffice>& postOffice) {
        libraryLog(QStringLiteral("Checking Post Office Users for ") + postOffice->Name());
        walk<gw::AdminUser>(postOffice->Users(), [&](const std::shared_ptr<gw::AdminUser>& user) {
            const QString name = user->GivenName() + QLatin1Char(' ') + user->Surname();
            list.append(name);
            libraryLog(QStringLiteral("Adding User for ") + name + QLatin1Char(' ') + user->MailBoxID());
            return true;
        });
        return true;
    });
}

void KAVGWLib::GetPODLists(QStringList& list)
{
    if (!m_postOffices)
        return;
    walk<gw::AdminPostOffice>(m_postOffices, [&](const std::shared_ptr<gw::AdminPostOffice>& postOffice) {
        libraryLog(QStringLiteral("Checking Post Office DLists for ") + postOffice->Name());
        walk<gw::AdminDistributionList>(postOffice->DistributionLists(),
                                        [&](const std::shared_ptr<gw::AdminDistributionList>& dlist) {
                                            list.append(dlist->Name());
                                            libraryLog(QStringLiteral("Adding Distribution List for ") + dlist->Name());
                                            return true;
                                        });
        return true;
    });
}

std::shared_ptr<gw::AdminLibrary> KAVGWLib::findLibrary(const QString& libraryId)
{
    std::shared_ptr<gw::AdminLibrary> found;
    walk<gw::AdminPostOffice>(m_postOffices, [&](const std::shared_ptr<gw::AdminPostOffice>& postOffice) {
        libraryLog(QStringLiteral("LibInfo - Checking ") + postOffice->Name());
        walk<gw::AdminLibrary>(postOffice->Libraries(), [&](const std::shared_ptr<gw::AdminLibrary>& library) {
            libraryLog(QStringLiteral("LibInfo - Checking ") + library->DistinguishedName());
            const QString id = library->Domain()->Name() + QLatin1Char('.') + library->PostOffice()->Name()
                + QLatin1Char('.') + library->Name();
            if (id == libraryId)
                found = library;
            return !found;
        });
        return !found;
    });
    return found;
}

void KAVGWLib::takeUserRights(const std::shared_ptr<gw::AdminLibrary>& library, const QString& userId)
{
    try {
        m_userRights = m_accessRights->Item(userId, 6);
        libraryLog(QStringLiteral("LibInfo - Grabbing the Access Rights Collection for ") + userId);
        return;
    } catch (const gw::Error& error) {
        if (error.message() == QLatin1String("An invalid argument was passed in the function call")) {
            libraryLog(QStringLiteral("Specific Rights for ") + userId
                       + QStringLiteral(" cannot be found - Default Rights Used"));
        } else {
            libraryLog(QStringLiteral("Some other OLE Error ") + error.message());
            message(QStringLiteral("Some Other Ole Error ") + error.message());
        }
    } catch (const std::exception&) {
        message(QStringLiteral("A Non Ole Error occurred in getting Access Rights"));
    }
    m_userRights = library->DefaultRights();
}

bool KAVGWLib::KGWALibInfo(const QString& userId, const QString& libraryId)
{
    libraryLog(QStringLiteral("Checking LibInfo for ") + libraryId);
    if (libraryId.trimmed().isEmpty()) {
        message(QStringLiteral("No Library Name Specified to KGWALibInfo"));
        libraryLog(QStringLiteral("No Library Name Specified to KGWALibInfo"));
        return false;
    }
    m_userRights.reset();
    m_library = findLibrary(libraryId);
    if (!m_library)
        return false;
    try {
        m_accessRights = m_library->DMSAccessRights();
    } catch (const gw::Error&) {
        message(userId + QStringLiteral(" has no Default Library set"));
        return false;
    } catch (const std::exception&) {
        message(QStringLiteral("A Non Ole Error occurred in getting Library Information"));
        return false;
    }
    libraryLog(QStringLiteral("LibInfo - Grabbing the Access Rights Collection"));
    if (!m_accessRights)
        return false;
    takeUserRights(m_library, userId);
    return true;
}

bool KAVGWLib::CheckLibrarian(const QString& libraryId, const QString& userId)
{
    if (!KGWALibInfo(userId, libraryId) || !m_userRights) {
        libraryLog(userId + QStringLiteral("Failed to obtion library information for ") + libraryId
                   + QStringLiteral(" using ") + userId);
        return false;
    }
    const bool librarian = m_userRights->IsLibrarian();
    libraryLog(userId
               + (librarian ? QStringLiteral(" successfully identified as a Librarian for ")
                            : QStringLiteral(" failed to be identified as a Librarian for "))
               + libraryId);
    return librarian;
}

} // namespace tw
