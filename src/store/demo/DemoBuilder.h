#pragma once

#include <QString>
#include <memory>

namespace store {

class Store;

// Builds the demo store: a realistic domain (see DemoDomain) with three libraries: Contracts
// (text, numeric and date fields), Projects (about 2,000 documents) and Archive (mostly
// archived). The OS user (upper-cased login name) is the client user, a domain administrator
// and librarian of Projects, so the program runs with "Admin Rights" on real data. The same
// OS user always gets the same store.
class DemoBuilder
{
public:
    static constexpr int ProjectsDocuments = 2000;

    // Raises StoreError when a store exists there already or the OS user is not a usable ID;
    // a build that fails part way removes what it made, and one that is killed leaves nothing
    // at the place (StagedStore).
    static std::shared_ptr<Store> build(const QString& storePath, const QString& osUser);
};

} // namespace store
