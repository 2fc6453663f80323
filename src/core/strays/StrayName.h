#pragma once

#include <QString>
#include <optional>

namespace tw {

// A file name taken as a user's copy of a library file: the document number, a separator (a
// hyphen or an ASCII letter), then the version number up to the name's first full stop (or its
// end), or C/c and a full stop for the official version ("1234-2.doc", "1234v2", "1234-C.doc").
struct StrayName
{
    qint64 number = 0;
    QString versionText; // "O" for the official version
    bool official = false;

    // Nothing for a name of any other form, or a document number beyond 64 bits.
    static std::optional<StrayName> parse(const QString& fileName);
};

} // namespace tw
