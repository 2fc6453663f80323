#include "KAVGWLib.h"

#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
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
#include "gw/Platform.h"

#include <functional>

namespace tw {
namespace {

QString firstLine(const QStringList& lines)
{
    return lines.isEmpty() ? QString() : lines.first();
}

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

KAVGWLib::KAVGWLib(gw::Platform& platform, OperationLog& log, RunHost& host)
    : m_platform(platform), m_log(log), m_host(host)
{
}

KAVGWLib::~KAVGWLib()
{
    AdminLogout();
}

void KAVGWLib::message(const QString& text)
{
    m_host.showMessage(kProgramTitle, text, RunHost::Icon::Information);
}

void KAVGWLib::libraryLog(const QString& text)
{
    m_log.LibraryLog(text);
}

bool KAVGWLib::AdminLogin(const QString& userName)
{
    libraryLog(QStringLiteral("Admin API Initialisation Started"));
    m_admin.reset();
    try {
        m_admin = m_platform.CreateAdmin();
    } catch (const gw::Error&) {
        m_host.showMessage(QStringLiteral("Error"),
                           QStringLiteral("Groupwise Library Could not create a GroupWise Admin Ole object."),
                           RunHost::Icon::Information);
        return false;
    }
    libraryLog(QStringLiteral("Admin API Initialisation Completed"));

    QString domain;
    QString postOffice;
    const bool found = findDomain(userName, domain, postOffice);
    return found && connectDomain(domain, postOffice);
}

bool KAVGWLib::findDomain(const QString& userName, QString& domain, QString& postOffice)
{
    libraryLog(QStringLiteral("Starting Domain Name Search"));
    libraryLog(QStringLiteral("NDS API Initialisation Started"));
    NDSInit();
    bool result = false;
    QStringList values;
    libraryLog(QStringLiteral("Finding NGW: Object ID for ") + userName);
    if (ReadNDSAttribute(userName, QStringLiteral("NGW: Object ID"), values) != 0) {
        message(QStringLiteral("No GroupWise Account Found"));
    } else {
        libraryLog(QStringLiteral("Found NGW: Object ID - ") + firstLine(values));
        libraryLog(QStringLiteral("Finding NGW: PostOffice for ") + userName);
        // Without a post office the search goes on with an empty one; the domain read then fails.
        if (ReadNDSAttribute(userName, QStringLiteral("NGW: Post Office"), values) == 0) {
            postOffice = firstLine(values);
            libraryLog(QStringLiteral("Found NGW: PostOffice - ") + postOffice);
        }
        libraryLog(QStringLiteral("Finding NGW: Domain for ") + postOffice);
        if (ReadNDSAttribute(postOffice, QStringLiteral("NGW: Domain"), values) != 0) {
            libraryLog(QStringLiteral("Failed to Find 'NGW: Domain' for Post Office ") + postOffice);
        } else {
            libraryLog(QStringLiteral("Found NGW: Domain - ") + firstLine(values));
            domain = CanonicalDN(firstLine(values));
            if (ReadNDSAttribute(postOffice, QStringLiteral("CN"), values) == 0) {
                postOffice = firstLine(values);
                libraryLog(QStringLiteral("Found NGW: Post Office - ") + postOffice);
            }
            libraryLog(QStringLiteral("Found Distinguished Domain Name - ") + domain);
            result = true;
        }
    }
    libraryLog(QStringLiteral("Completed Domain Name Search"));
    libraryLog(domain);
    libraryLog(QStringLiteral("NDS API Shutdown Started"));
    NDSShutdown();
    return result;
}

bool KAVGWLib::connectDomain(const QString& domain, const QString& postOffice)
{
    try {
        m_admin->ConnectbyDN(domain, QString());
    } catch (const gw::Error&) {
        message(QStringLiteral("Domain Login Failed"));
        libraryLog(QStringLiteral("Domain Login Failed"));
        return false;
    }
    libraryLog(QStringLiteral("Domain Login Succeeded"));
    libraryLog(QStringLiteral("Completed Domain Login"));
    try {
        m_connectedDomain = m_admin->ConnectedDomain();
        libraryLog(m_connectedDomain->DistinguishedName());
        libraryLog(m_connectedDomain->Path());
        m_postOffices = m_admin->PostOffices();
        m_userPostOffice = m_postOffices->Item(postOffice, m_connectedDomain);
        libraryLog(m_userPostOffice->Name());
    } catch (const gw::Error& error) {
        // Failures of the administration part never stop the program: they leave limited rights.
        message(QStringLiteral("Domain Login Failed (") + error.message() + QLatin1Char(')'));
        libraryLog(QStringLiteral("Domain Login Failed (") + error.message() + QLatin1Char(')'));
        AdminLogout();
        return false;
    }
    return true;
}

void KAVGWLib::NDSInit()
{
    m_directory.reset();
    try {
        m_directory = m_platform.CreateDirectory();
    } catch (const gw::Error& error) {
        message(QStringLiteral("NWCallsInit Failed\rError Code: ") + error.message());
        return;
    }
    const int code = m_directory->NWCallsInit();
    if (code < 0) {
        message(QStringLiteral("NWCallsInit Failed\rError Code: ") + QString::number(code));
        return;
    }
    if (m_directory->NWDSCreateContext() != 0) {
        message(QStringLiteral("NWDSCreateContext Failed"));
        m_directory->NWDSFreeContext();
    }
}

void KAVGWLib::NDSShutdown()
{
    if (m_directory)
        m_directory->NWDSFreeContext();
    m_directory.reset();
}

int KAVGWLib::ReadNDSAttribute(const QString& object, const QString& attribute, QStringList& result)
{
    result.clear();
    if (!m_directory) {
        result.append(QString());
        return gw::DirectoryNoSuchEntry;
    }
    m_host.setBusyCursor(true);
    const gw::DirectoryStatus status = m_directory->ReadAttribute(object, attribute, result);
    m_host.setBusyCursor(false);
    if (status.code == 0)
        return 0;
    // A missing object or attribute is an answer, not a fault: no message.
    if (status.code != gw::DirectoryNoSuchEntry && status.code != gw::DirectoryNoSuchAttribute)
        message(status.call + QStringLiteral(" Failed\rError Code: ") + QString::number(status.code));
    result = QStringList {QString()};
    return status.code;
}

QString KAVGWLib::CanonicalDN(const QString& name)
{
    if (!m_directory)
        return {};
    m_host.setBusyCursor(true);
    QString canonical;
    const gw::DirectoryStatus status = m_directory->CanonicalDN(name, canonical);
    m_host.setBusyCursor(false);
    if (status.code != 0) {
        message(status.call + QStringLiteral(" Failed\rError Code: ") + QString::number(status.code));
        return {};
    }
    return canonical;
}

void KAVGWLib::AdminLogout()
{
    m_userRights.reset();
    m_accessRights.reset();
    m_library.reset();
    m_userPostOffice.reset();
    m_postOffices.reset();
    m_connectedDomain.reset();
    m_admin.reset();
}

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
    bool librarian = false;
    try {
        if (!KGWALibInfo(userId, libraryId) || !m_userRights) {
            libraryLog(userId + QStringLiteral("Failed to obtion library information for ") + libraryId
                       + QStringLiteral(" using ") + userId);
            return false;
        }
        librarian = m_userRights->IsLibrarian();
    } catch (const gw::Error& error) {
        // The administration part never stops the program: the status is only not confirmed.
        libraryLog(userId + QStringLiteral(" failed to be identified as a Librarian for ") + libraryId
                   + QStringLiteral(" (") + error.message() + QLatin1Char(')'));
        return false;
    }
    libraryLog(userId
               + (librarian ? QStringLiteral(" successfully identified as a Librarian for ")
                            : QStringLiteral(" failed to be identified as a Librarian for "))
               + libraryId);
    return librarian;
}

} // namespace tw
