#pragma once

#include "DocumentRights.h"
#include "RightsMask.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace tw {

// What a rights test says about one version: listed or not, and the mask it read.
struct RightsFinding
{
    bool listed = false;
    int mask = 0;
};

// The names of the user box, compared ignoring letter case: what the strays test knows.
class KnownNames
{
public:
    KnownNames() = default;
    explicit KnownNames(const QStringList& names);
    bool contains(const QString& name) const;

private:
    QSet<QString> m_folded;
};

// The three tests of the rights check, on a document's rights at a version level; errors
// pass to the caller.
// The creator: listed unless the creator's mask at the level is exactly full rights.
RightsFinding RightsCreator(DocumentRights& rights, RightsLevel level);
// All users in general: listed when the default mask holds every selected right.
RightsFinding RightsGeneral(DocumentRights& rights, int selected, RightsLevel level);

inline const QString kStraysEntry = QStringLiteral("<Strays>");

// A specified user (exact name): listed with the mask of the first sharing-list entry of that
// name. "<Strays>": listed when some entry names nobody the user box knows; those names are
// appended to `strays` in sharing-list order, and the mask is 0.
RightsFinding RightsUser(DocumentRights& rights, const QString& name, RightsLevel level, const KnownNames& known,
                         QStringList& strays);

} // namespace tw
