#pragma once

#include <QString>

namespace store {

// Names as the file server's DOS name space shows them: at most eight characters, a dot and
// at most three more, upper case. A deleted entry is reported under such a name, and a
// recovery name must be one.
class DosName
{
public:
    static constexpr int MaxLength = 12;

    // True for a name that fits the 8.3 form (either case).
    static bool isValid(const QString& name);

    // The DOS name under which a file of this name is shown: the name itself, upper-cased, when it
    // fits; otherwise a short alias of the first six usable characters, "~1" and the first three
    // characters of the last extension ("Quarterly report.docx" gives "QUARTE~1.DOC").
    static QString forName(const QString& name);
};

} // namespace store
