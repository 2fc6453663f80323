#pragma once

#include <QByteArray>
#include <QString>

namespace tw {

// A name or a line from outside (a file name read from a folder, a line of a script) as it may
// stand in the daily log, a status line or a message: one line of readable text. A CR or LF
// would break the log's line, a NUL cuts a printed text short, and bytes that are not UTF-8
// have no text at all; each is written as an escape (\n, \r, \t, \xNN for every other control
// character and for every byte that is not part of valid UTF-8). Everything else stays as it is.
class EscapedText
{
public:
    static QString of(const QByteArray& bytes);
    static QString of(const QString& text);
    // True when the bytes are valid UTF-8 without a control character: the text names them
    // exactly and can stand on a line of its own.
    static bool isPlain(const QByteArray& bytes);
};

} // namespace tw
