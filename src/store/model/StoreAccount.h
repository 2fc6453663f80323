#pragma once

#include "gw/Account.h"
#include "store/Context.h"

namespace store {

// The logged-in account.
class StoreAccount : public gw::Account
{
public:
    explicit StoreAccount(ContextPtr context);

    std::shared_ptr<gw::Collection<gw::Library>> DocumentLibraries() override;
    std::shared_ptr<gw::Library> DefaultDocumentLibrary() override;
    std::shared_ptr<gw::AddressEntry> Owner() override;
    QString ConvertEMailAddress(const std::shared_ptr<gw::AddressEntry>& address, int mode) override;
    std::shared_ptr<gw::Query> CreateQuery() override;
    std::shared_ptr<gw::Folder> DocumentsFolder() override;
    std::shared_ptr<gw::Trash> Trash() override;
    std::shared_ptr<gw::Collection<gw::AddressBook>> AddressBooks() override;

    const ContextPtr& context() const { return m_context; }

private:
    ContextPtr m_context;
};

} // namespace store
