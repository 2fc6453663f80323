#include "RightsTests.h"

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

RightsFinding RightsCreator(DocumentRights& rights, RightsLevel level)
{
    RightsFinding finding;
    finding.mask = rights.creatorMask(level);
    finding.listed = finding.mask != kFullRights;
    return finding;
}

RightsFinding RightsGeneral(DocumentRights& rights, int selected, RightsLevel level)
{
    RightsFinding finding;
    finding.mask = rights.generalMask(level);
    finding.listed = (finding.mask & selected) == selected;
    return finding;
}

RightsFinding RightsUser(DocumentRights& rights, const QString& name, RightsLevel level, const KnownNames& known,
                         QStringList& strays)
{
    RightsFinding finding;
    const int count = rights.entryCount();
    const bool straysMode = name == kStraysEntry;
    for (int i = 1; i <= count; ++i) {
        const QString& entryName = rights.entryName(i);
        if (straysMode) {
            if (!known.contains(entryName)) {
                strays.append(entryName);
                finding.listed = true;
            }
        } else if (entryName == name) {
            finding.mask = rights.entryMask(i, level);
            finding.listed = true;
            return finding;
        }
    }
    return finding;
}

} // namespace tw
