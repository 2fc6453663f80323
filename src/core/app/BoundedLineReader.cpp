#include "BoundedLineReader.h"

#include <cstring>

namespace tw {

namespace {

constexpr qsizetype kBlockSize = 64 * 1024;

qsizetype charactersIn(const char* begin, qsizetype size)
{
    qsizetype count = 0;
    for (qsizetype i = 0; i < size; ++i)
        count += (static_cast<unsigned char>(begin[i]) & 0xC0) != 0x80;
    return count;
}

} // namespace

BoundedLineReader::BoundedLineReader(QIODevice& device, Ends ends, int maxCharacters)
    : m_device(device), m_ends(ends), m_maxCharacters(maxCharacters)
{
}

bool BoundedLineReader::fill()
{
    m_block.resize(kBlockSize);
    const qint64 read = m_device.read(m_block.data(), kBlockSize);
    if (read < 0)
        m_failed = true;
    m_block.resize(read > 0 ? read : 0);
    m_position = 0;
    return read > 0;
}

// The offset of the first line end in the range, or `size` when there is none.
qsizetype BoundedLineReader::endIn(const char* begin, qsizetype size) const
{
    const void* lf = std::memchr(begin, '\n', static_cast<size_t>(size));
    qsizetype end = lf ? static_cast<const char*>(lf) - begin : size;
    if (m_ends == Ends::CrOrLf) {
        if (const void* cr = std::memchr(begin, '\r', static_cast<size_t>(end)))
            end = static_cast<const char*>(cr) - begin;
    }
    return end;
}

bool BoundedLineReader::next(Line* line)
{
    line->bytes.clear();
    line->tooLong = false;
    line->ended = true;
    qsizetype characters = 0;
    bool started = false;
    for (;;) {
        if (m_position >= m_block.size() && !fill()) {
            if (!started)
                return false;
            line->ended = false;
            line->number = ++m_number;
            return true;
        }
        started = true;
        const char* begin = m_block.constData() + m_position;
        const qsizetype available = m_block.size() - m_position;
        const qsizetype end = endIn(begin, available);
        if (!line->tooLong) {
            characters += charactersIn(begin, end);
            if (characters > m_maxCharacters || line->bytes.size() + end > 4 * qsizetype(m_maxCharacters)) {
                line->tooLong = true;
                line->bytes = QByteArray(); // its memory goes too
            } else {
                line->bytes.append(begin, end);
            }
        }
        m_position += end;
        if (end < available) {
            ++m_position; // the line end
            line->number = ++m_number;
            return true;
        }
    }
}

} // namespace tw
