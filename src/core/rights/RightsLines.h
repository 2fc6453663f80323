#pragma once

#include "core/lists/RowTexts.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

namespace gw {
class Document;
class RightsHolder;
class SharingEntry;
} // namespace gw

namespace tw {

class OperationLog;

// The masks of one rights holder at the official, current and other levels (in that order,
// as the report lines give them) and their texts. An explicit deny has "Denied" at every level
// and counts as 0 there; its masks are not read.
struct HolderRights
{
    std::array<int, 3> masks {};
    std::array<QString, 3> texts;

    static HolderRights of(gw::RightsHolder& holder);
    static HolderRights ofEntry(gw::SharingEntry& entry);
};

// The lines of "FRights.rpt" and "FREdits.rpt" for one document.
class RightsLines
{
public:
    // Reads the document's number, subject, author, creation date and its official and current
    // version numbers. Without the version numbers, logs "Document Version " + counter +
    // " is not Available" and gives nothing; other failures pass to the caller.
    static std::optional<RightsLines> read(gw::Document& document, qint64 counter, OperationLog& log);

    // The three level lines of a holder: prefix, its name, the level word and its rights.
    QStringList levelLines(const QString& name, const HolderRights& rights) const;
    const QString& prefix() const { return m_prefix; }

private:
    QString m_prefix;
};

} // namespace tw
