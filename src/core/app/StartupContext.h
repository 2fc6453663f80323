#pragma once

#include "CommandLine.h"

#include <QString>

namespace tw {

// What start-up learns before the main window exists: the command line, the
// version block, the login name and where the program keeps its files.
struct StartupContext
{
    CommandLine commandLine {QStringList {}};
    QString executablePath;
    QString versionText; // "FileVersion" of the version block; empty when it has none
    QString windowsUserName; // upper case, or "<UNKNOWN>"
    QString programDirectory; // the daily log's directory, ending in the separator
    QString storePath; // the library store the session opens
};

} // namespace tw
