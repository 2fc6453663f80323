#pragma once

#include <QByteArray>
#include <QIODevice>

namespace tw {

// Reads a text file from outside (a list the user keeps beside the program) one line at a time,
// with a bound on a line's length. Such a file may be of any size and hold anything: read whole,
// one huge line costs many times its size in memory and makes every later step on it slow. Here
// the file is read in small blocks, and a line longer than the bound is passed over without being
// kept, so memory stays within one block and the longest line accepted, whatever the file holds.
//
// Characters are counted as UTF-8 lead bytes (every byte that does not continue a sequence, so a
// byte that is not UTF-8 counts as one); a line is too long when it has more than `maxCharacters`
// of them, or more than four bytes for each (which no UTF-8 text has).
class BoundedLineReader
{
public:
    // What ends a line: LF alone (a CR before it stays at the line's end, for the caller), or
    // each CR and each LF (a CR LF then gives an empty line between the two).
    enum class Ends { Lf, CrOrLf };
    struct Line
    {
        QByteArray bytes; // without its line end; empty when tooLong
        qint64 number = 0; // 1-based
        bool tooLong = false;
        bool ended = true; // false for the bytes after the last line end
    };

    static constexpr int kMaxCharacters = 4096;

    BoundedLineReader(QIODevice& device, Ends ends, int maxCharacters = kMaxCharacters);

    // The next line; false at the end of the device. Bytes after the last line end are a last
    // line of their own; a line end at the very end makes no empty line after it.
    bool next(Line* line);
    // True when reading the device failed; the lines before the failure were read.
    bool failed() const { return m_failed; }
    int maxCharacters() const { return m_maxCharacters; }

private:
    bool fill();
    qsizetype endIn(const char* begin, qsizetype size) const;

    QIODevice& m_device;
    Ends m_ends;
    int m_maxCharacters;
    QByteArray m_block;
    qsizetype m_position = 0;
    qint64 m_number = 0;
    bool m_failed = false;
};

} // namespace tw
