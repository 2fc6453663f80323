#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace store {

class Store;

// Builds a new store beside its place (<parent>/.<name>.building, marked half built) and renames
// it into place once it is whole, so that a build that is killed leaves nothing at the place, or
// the whole store. The next build removes a stale folder beside the place; one that a program
// still has open makes it refuse. A place that holds other files already is built in place,
// marked half built until the end.
class StagedStore
{
public:
    // `fill` builds the store's content in one transaction. Raises StoreError when a store
    // exists at the place already or another program is building it; a failure removes what
    // the build made. With a connection string the store's database is that PostgreSQL
    // database, which must be empty; the folder is staged as ever, naming it in store.conf.
    static std::shared_ptr<Store> build(const QString& place, const std::function<void(Store&)>& fill,
                                        const QString& databaseUrl = QString());
    static QString besideOf(const QString& place);
};

} // namespace store
