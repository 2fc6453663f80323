#pragma once

#include "gw/ObjectModel.h"

#include <memory>

namespace tw {

// The object references the main window holds for the whole session. Every
// field value is read through the current document and current version, so a
// run sets both before it asks for a value.
struct GwRefs
{
    std::shared_ptr<gw::Session> session;
    std::shared_ptr<gw::Account> loginAccount;
    std::shared_ptr<gw::Account> account;
    std::shared_ptr<gw::Collection<gw::Library>> libraries;
    std::shared_ptr<gw::Library> selectedLibrary;
    std::shared_ptr<gw::Document> currentDocument;
    std::shared_ptr<gw::Version> currentVersion;
    std::shared_ptr<gw::Query> currentQuery;
    std::shared_ptr<gw::Messages> queryResults;

    // Releases every reference in the order the session is closed down.
    void release()
    {
        queryResults.reset();
        currentQuery.reset();
        currentVersion.reset();
        currentDocument.reset();
        selectedLibrary.reset();
        libraries.reset();
        loginAccount.reset();
        account.reset();
        session.reset();
    }
};

// Forgets the current document and version at the end of the scope that set them.
struct ForgetCurrent
{
    GwRefs& refs;
    ~ForgetCurrent()
    {
        refs.currentDocument.reset();
        refs.currentVersion.reset();
    }
};

} // namespace tw
