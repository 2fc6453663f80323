#pragma once

#include "RightsMask.h"

#include <QSet>
#include <QString>
#include <QStringList>

namespace gw {
class Document;
}

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

// The three tests of the rights check, on a document at a version level.
// Each reads the object model afresh; errors pass to the caller.
// The creator: listed unless the creator's mask at the level is exactly full rights.
RightsFinding RightsCreator(gw::Document& document, RightsLevel level);
// All users in general: listed when the default mask holds every selected right.
RightsFinding RightsGeneral(gw::Document& document, int selected, RightsLevel level);

inline const QString kStraysEntry = QStringLiteral("<Strays>");

// A specified user (exact name): listed with the mask of the first sharing-list entry of that
// name. "<Strays>": listed when some entry names nobody the user box knows; those names are
// appended to `strays` in sharing-list order, and the mask is 0.
RightsFinding RightsUser(gw::Document& document, const QString& name, RightsLevel level, const KnownNames& known,
                         QStringList& strays);

} // namespace tw
