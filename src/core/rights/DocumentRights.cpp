#include "DocumentRights.h"

#include "gw/Document.h"
#include "gw/SharingList.h"

namespace tw {

int DocumentRights::holderMask(bool creator, RightsLevel level)
{
    std::optional<int>& mask = (creator ? m_creator : m_general)[static_cast<size_t>(level)];
    if (!mask) {
        const auto holder = creator ? m_document.AuthorCreatorRights() : m_document.DefaultRights();
        mask = levelOf(*holder, level)->Bitmask();
    }
    return *mask;
}

int DocumentRights::creatorMask(RightsLevel level)
{
    return holderMask(true, level);
}

int DocumentRights::generalMask(RightsLevel level)
{
    return holderMask(false, level);
}

int DocumentRights::entryCount()
{
    if (!m_entries) {
        m_list = m_document.AdditionalRights();
        m_entries = std::vector<Entry>(static_cast<size_t>(m_list->Count()));
    }
    return static_cast<int>(m_entries->size());
}

DocumentRights::Entry& DocumentRights::entry(int index)
{
    entryCount();
    return m_entries->at(static_cast<size_t>(index - 1));
}

const QString& DocumentRights::entryName(int index)
{
    Entry& e = entry(index);
    if (!e.name)
        e.name = m_list->Item(index)->User()->DisplayName();
    return *e.name;
}

int DocumentRights::entryMask(int index, RightsLevel level)
{
    std::optional<int>& mask = entry(index).masks[static_cast<size_t>(level)];
    if (!mask)
        mask = levelOf(*m_list->Item(index), level)->Bitmask();
    return *mask;
}

} // namespace tw
