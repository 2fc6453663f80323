#pragma once

#include "gw/AddressEntries.h"

#include <memory>
#include <vector>

namespace store {

// The entries of an address book, or a collection found in one: a list held by value, so a
// found collection stays as it was found while entries are added to it.
class AddressEntryList : public gw::AddressEntries
{
public:
    explicit AddressEntryList(std::vector<std::shared_ptr<gw::AddressEntry>> entries = {});

    int Count() override;
    std::shared_ptr<gw::AddressEntry> Item(int index) override;
    std::shared_ptr<gw::AddressEntries> Find(const QString& filter) override;
    void Add(const std::shared_ptr<gw::AddressEntries>& entries) override;
    void Add(const std::shared_ptr<gw::AddressEntry>& entry) override;

private:
    std::vector<std::shared_ptr<gw::AddressEntry>> m_entries;
};

} // namespace store
