#pragma once

#include "RightsMask.h"

#include <QString>
#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace gw {
class Document;
class SharingList;
} // namespace gw

namespace tw {

// The rights of one document as the rights check reads them: every value is read from the
// object model when first asked for and kept for the document's other versions, so a document
// of many versions is read once. Errors pass to the caller.
class DocumentRights
{
public:
    explicit DocumentRights(gw::Document& document) : m_document(document) { }

    int creatorMask(RightsLevel level);
    int generalMask(RightsLevel level);
    // The sharing list, counted from 1.
    int entryCount();
    const QString& entryName(int index);
    int entryMask(int index, RightsLevel level);

private:
    using Masks = std::array<std::optional<int>, 3>;
    struct Entry
    {
        std::optional<QString> name;
        Masks masks;
    };

    int holderMask(bool creator, RightsLevel level);
    Entry& entry(int index);

    gw::Document& m_document;
    Masks m_creator;
    Masks m_general;
    std::shared_ptr<gw::SharingList> m_list;
    std::optional<std::vector<Entry>> m_entries;
};

} // namespace tw
