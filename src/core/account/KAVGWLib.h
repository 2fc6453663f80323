#pragma once

#include <QString>
#include <QStringList>
#include <memory>

namespace gw {
class Admin;
class AdminDomain;
class AdminLibrary;
class AdminAccessRights;
class AdminPostOffice;
class AdminPostOffices;
class AdminUserRights;
class Directory;
class Platform;
} // namespace gw

namespace tw {

class OperationLog;
class RunHost;

// The account discovery: finds the user's account, post office and domain in
// the directory, logs the administration object into that domain, and then
// answers who the domain's users and lists are and whether the user is a
// librarian of a library. Its steps go to the library's own debug log.
class KAVGWLib
{
public:
    KAVGWLib(gw::Platform& platform, OperationLog& log, RunHost& host);
    ~KAVGWLib();

    // True when the administration object is logged into the user's domain.
    bool AdminLogin(const QString& userName);
    void GetPOUsers(QStringList& list);
    void GetPODLists(QStringList& list);
    bool CheckLibrarian(const QString& libraryId, const QString& userId);
    bool KGWALibInfo(const QString& userId, const QString& libraryId);
    void AdminLogout();

    void NDSInit();
    void NDSShutdown();
    int ReadNDSAttribute(const QString& object, const QString& attribute, QStringList& result);
    QString CanonicalDN(const QString& name);

private:
    bool findDomain(const QString& userName, QString& domain, QString& postOffice);
    bool connectDomain(const QString& domain, const QString& postOffice);
    std::shared_ptr<gw::AdminLibrary> findLibrary(const QString& libraryId);
    void takeUserRights(const std::shared_ptr<gw::AdminLibrary>& library, const QString& userId);
    void message(const QString& text);
    void libraryLog(const QString& text);

    gw::Platform& m_platform;
    OperationLog& m_log;
    RunHost& m_host;
    std::shared_ptr<gw::Directory> m_directory;
    std::shared_ptr<gw::Admin> m_admin;
    std::shared_ptr<gw::AdminDomain> m_connectedDomain;
    std::shared_ptr<gw::AdminPostOffices> m_postOffices;
    std::shared_ptr<gw::AdminPostOffice> m_userPostOffice;
    std::shared_ptr<gw::AdminLibrary> m_library;
    std::shared_ptr<gw::AdminAccessRights> m_accessRights;
    std::shared_ptr<gw::AdminUserRights> m_userRights;
};

} // namespace tw
