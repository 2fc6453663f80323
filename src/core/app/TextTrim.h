#pragma once

#include <QString>

namespace tw {

// Trims leading and trailing blanks and control characters (every character
// up to and including the blank), as field values and cuts are trimmed.
inline QString trimBlanksAndControls(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 0x20)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.mid(start, end - start);
}

} // namespace tw
