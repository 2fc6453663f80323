#pragma once

#include <QString>

namespace tw {

// The four export options of the "Options" menu, confirmed in the "Export
// Options Check" dialog before every export. "Use UserID" acts through the
// field catalogue; the other three decide how exported files are named.
struct ExportOptions
{
    bool UseUserID = false;
    bool ShortFilename = false;
    bool JolietCompatible = true;
    bool CleanFileName = false;

    // The read-only explanation the "Export Options Check" dialog shows.
    static QString explanation();
};

} // namespace tw
