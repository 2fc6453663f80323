#pragma once

#include <QString>

namespace tw {

struct GwRefs;

// What every run, test query and document view needs before it starts: a
// session, an account and a selected library (a selection that failed with
// "Not Accessible" leaves none). Gives the text that tells the user what is
// missing, or the empty text when all three are there.
QString missingForLibraryWork(const GwRefs& refs);

} // namespace tw
