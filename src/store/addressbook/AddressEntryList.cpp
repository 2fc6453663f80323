#include "AddressEntryList.h"

#include "gw/Error.h"
#include "store/addressbook/AddressFilter.h"

namespace store {

AddressEntryList::AddressEntryList(std::vector<std::shared_ptr<gw::AddressEntry>> entries)
    : m_entries(std::move(entries))
{
}

int AddressEntryList::Count()
{
    return int(m_entries.size());
}

std::shared_ptr<gw::AddressEntry> AddressEntryList::Item(int index)
{
    if (index < 1 || index > Count())
        throw gw::Error(QStringLiteral("Index %1 is outside the collection (1 to %2)").arg(index).arg(Count()));
    return m_entries[size_t(index - 1)];
}

std::shared_ptr<gw::AddressEntries> AddressEntryList::Find(const QString& filter)
{
    const AddressFilter parsed = AddressFilter::parse(filter);
    std::vector<std::shared_ptr<gw::AddressEntry>> found;
    for (const auto& entry : m_entries) {
        if (parsed.matches(entry->DisplayName()))
            found.push_back(entry);
    }
    return std::make_shared<AddressEntryList>(std::move(found));
}

void AddressEntryList::Add(const std::shared_ptr<gw::AddressEntries>& entries)
{
    if (!entries)
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    // Read the count first: adding a collection to itself appends its entries once.
    const int count = entries->Count();
    for (int i = 1; i <= count; ++i)
        m_entries.push_back(entries->Item(i));
}

void AddressEntryList::Add(const std::shared_ptr<gw::AddressEntry>& entry)
{
    if (!entry)
        throw gw::Error(QStringLiteral("An invalid argument was passed in the function call"));
    m_entries.push_back(entry);
}

} // namespace store
