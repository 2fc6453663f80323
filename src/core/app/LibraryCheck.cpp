#include "LibraryCheck.h"

#include "GwRefs.h"

namespace tw {

QString missingForLibraryWork(const GwRefs& refs)
{
    if (!refs.session || !refs.account)
        return QStringLiteral("Not logged in to the library system");
    if (!refs.selectedLibrary)
        return QStringLiteral("No library is selected");
    return QString();
}

} // namespace tw
