#include "RightsTests.h"

#include "gw/Document.h"
#include "gw/SharingList.h"

namespace tw {

KnownNames::KnownNames(const QStringList& names)
{
    for (const QString& name : names)
        m_folded.insert(name.toCaseFolded());
}

bool KnownNames::contains(const QString& name) const
{
    return m_folded.contains(name.toCaseFolded());
}

RightsFinding RightsCreator(gw::Document& document, RightsLevel level)
{
    RightsFinding finding;
    finding.mask = levelOf(*document.AuthorCreatorRights(), level)->Bitmask();
    finding.listed = finding.mask != kFullRights;
    return finding;
}

RightsFinding RightsGeneral(gw::Document& document, int selected, RightsLevel level)
{
    RightsFinding finding;
    finding.mask = levelOf(*document.DefaultRights(), level)->Bitmask();
    finding.listed = (finding.mask & selected) == selected;
    return finding;
}

RightsFinding RightsUser(gw::Document& document, const QString& name, RightsLevel level, const KnownNames& known,
                         QStringList& strays)
{
    RightsFinding finding;
    const auto list = document.AdditionalRights();
    const int count = list->Count();
    const bool straysMode = name == kStraysEntry;
    for (int i = 1; i <= count; ++i) {
        const auto entry = list->Item(i);
        const QString entryName = entry->User()->DisplayName();
        if (straysMode) {
            if (!known.contains(entryName)) {
                strays.append(entryName);
                finding.listed = true;
            }
        } else if (entryName == name) {
            finding.mask = levelOf(*entry, level)->Bitmask();
            finding.listed = true;
            return finding;
        }
    }
    return finding;
}

} // namespace tw
