#pragma once

#include "gw/AddressBook.h"
#include "gw/AddressEntry.h"
#include "gw/Collection.h"
#include "gw/Folder.h"
#include "gw/Library.h"
#include "gw/Query.h"
#include "gw/Trash.h"

#include <QString>
#include <memory>

namespace gw {

// The logged-in account.
class Account
{
public:
    virtual ~Account() = default;
    // The libraries the account can reach.
    virtual std::shared_ptr<Collection<Library>> DocumentLibraries() = 0;
    // Raises gw::Error when the account has no default library.
    virtual std::shared_ptr<Library> DefaultDocumentLibrary() = 0;
    virtual std::shared_ptr<AddressEntry> Owner() = 0;
    // mode 0: domain + "." + post office + "." + user ID of the entry.
    virtual QString ConvertEMailAddress(const std::shared_ptr<AddressEntry>& address, int mode) = 0;
    virtual std::shared_ptr<Query> CreateQuery() = 0;
    virtual std::shared_ptr<Folder> DocumentsFolder() = 0;
    virtual std::shared_ptr<gw::Trash> Trash() = 0;
    virtual std::shared_ptr<Collection<AddressBook>> AddressBooks() = 0;
};

} // namespace gw
