#pragma once

#include <QString>

namespace tw {

// The application's title: the window caption's start, the caption of the
// program's message boxes and the name of its single-instance key.
inline const QString kProgramTitle = QStringLiteral("Tarnwick");

// Who and where the program is: its name for logs and reports, the login
// name of the person running it, and the directory it keeps its files in.
class ProgramIdentity
{
public:
    // The executable's base name cut before its first ".", first letter upper,
    // the rest and " (" + version + ")" lower-cased.
    static QString ProgramName(const QString& executablePath, const QString& versionText);
    // The OS login name in upper case; "<UNKNOWN>" when it cannot be read.
    static QString WindowsUserName();
    // The executable's directory when it is writable and not a "bin" folder,
    // else the per-user data folder; always ends in the native separator. A
    // bin folder is shared with other programs (/usr/bin, ~/.local/bin), so an
    // installed program keeps its files per user even when run by root.
    static QString programDirectory(const QString& executablePath);
    // A directory text ending in the native separator.
    static QString withTrailingSeparator(const QString& directory);
};

} // namespace tw
