#pragma once

#include <QString>

namespace tw {

// A file name of the form the mass check-out gives: document number, "_",
// version number, then "." and the extension or a second "_" and anything
// ("1234_2.doc", "1234_2_edited.doc"; "1234_2" has no version). The texts are
// kept as typed for the messages ("0012" stays "0012"); the numbers are what
// they read as.
struct CheckInName
{
    QString extension; // after the last "."; empty without one
    QString numberText; // before the first "_"
    QString versionText;
    qint64 number = 0;
    int version = 0;
    // Both texts read as integers (leading zeros allowed), and the extension
    // may stand as a file type (no control character or separator).
    bool valid = false;

    static CheckInName parse(const QString& name);
};

} // namespace tw
