#pragma once

#include "gw/AddressBook.h"
#include "gw/Admin.h"
#include "gw/Collection.h"
#include "gw/Directory.h"
#include "gw/Message.h"
#include "gw/Query.h"
#include "store/Context.h"

#include <QString>
#include <memory>
#include <vector>

namespace store {

class Store;

// Seams between the object model and the store modules built beside it. The object model
// calls a seam only when its module's service header exists (tested with __has_include), so
// each module plugs in by adding that header and defining the functions below.

// store/query/QueryService.h: the query engine.
std::shared_ptr<gw::Query> createQuery(const ContextPtr& context);
// The ids (versions.id) of those versions that match expression, in the given order; used by
// Messages::Find over document references. Raises gw::Error for a malformed expression.
std::vector<qint64> matchVersions(const ContextPtr& context, const QString& expression,
                                  const std::vector<qint64>& versionIds);

// store/admin/AdminService.h: the administration model.
std::shared_ptr<gw::Admin> createAdmin(const std::shared_ptr<Store>& store);
// store/directory/DirectoryService.h: the directory service.
std::shared_ptr<gw::Directory> createDirectory(const std::shared_ptr<Store>& store);
// store/addressbook/AddressBookService.h: the account's address books.
std::shared_ptr<gw::Collection<gw::AddressBook>> createAddressBooks(const ContextPtr& context);

// Offered by the object model to those modules:
// a document reference standing for one version (a query hit); raises gw::Error when the
// version does not exist.
std::shared_ptr<gw::Message> makeReference(const ContextPtr& context, qint64 versionRow);
// the libraries.id of a library object handed out by the store (0 for a foreign object).
qint64 libraryRowOf(const std::shared_ptr<gw::Library>& library);
// the users.id / distribution_lists.id behind an address entry of the store (0 when none).
qint64 addressUserRow(const std::shared_ptr<gw::AddressEntry>& entry);
qint64 addressListRow(const std::shared_ptr<gw::AddressEntry>& entry);
// an address entry for a user row or a list row.
std::shared_ptr<gw::AddressEntry> makeUserEntry(const ContextPtr& context, qint64 userRow);
std::shared_ptr<gw::AddressEntry> makeListEntry(const ContextPtr& context, qint64 listRow);

} // namespace store
