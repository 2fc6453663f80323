#pragma once

#include <QString>

namespace tw {

// Cleans a text of the characters a file or folder name must not hold: the
// text is trimmed of blanks and control characters, then each of fourteen
// reserved characters is removed or replaced (+ by &, / by -, < and [ by (,
// > and ] by ), \ by _). The result is not trimmed again.
QString SafeName(const QString& text);

} // namespace tw
