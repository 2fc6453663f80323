#include "KAVGWLib.h"

#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "gw/AdminDomain.h"
#include "gw/AdminPostOffice.h"
#include "gw/AdminPostOffices.h"
#include "gw/Error.h"
#include "gw/Platform.h"

namespace tw {
namespace {
const QString kCaption = QStringLiteral("Tarnwick");

QString firstLine(const QStringList& lines)
{
    return lines.isEmpty() ? QString() : lines.first();
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
    m_host.showMessage(kCaption, text, RunHost::Icon::Information);
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

} // namespace tw
