#pragma once

#include <QString>

namespace tw {

// A version's file type (OriginalFileType) is read from the library and joined
// into the names of checked-out and exported files, which also stand in report
// columns. Joined to a directory, a type such as "/../../x" would lead out of it,
// and a TAB, CR or LF would split a report line. A type holding a path separator
// ("/" or "\"), "..", or a control character is therefore never used in a name:
// the version is left alone and reported as failed. The empty type is usable (the
// name then ends in ".").
bool isUsableFileType(const QString& type);

// What follows "Failed to ... Document D Version V" in the log for such a version.
QString unusableFileTypeReason();

} // namespace tw
