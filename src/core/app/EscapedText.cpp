#include "EscapedText.h"

namespace tw {

namespace {

// The length of the valid UTF-8 sequence at `i` and its code point; 0 when the byte there
// does not begin one (a stray continuation byte, an overlong form, a surrogate, a cut sequence).
int sequenceAt(const QByteArray& bytes, qsizetype i, char32_t* codePoint)
{
    const auto byte = [&bytes](qsizetype k) { return static_cast<unsigned char>(bytes.at(k)); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        *codePoint = lead;
        return 1;
    }
    // The sequence's length, the lead byte's bits and the least code point it may stand for.
    const int length = (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3 : (lead & 0xF8) == 0xF0 ? 4 : 0;
    if (length == 0)
        return 0;
    char32_t value = lead & (0x7F >> length);
    const char32_t least = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
    if (i + length > bytes.size())
        return 0;
    for (int k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    if (value < least || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF))
        return 0;
    *codePoint = value;
    return length;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

QString hex(unsigned char byte)
{
    return QStringLiteral("\\x") + QString::number(byte, 16).toUpper().rightJustified(2, QLatin1Char('0'));
}

} // namespace

QString EscapedText::of(const QByteArray& bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        const int length = sequenceAt(bytes, i, &c);
        if (length == 0) {
            text += hex(static_cast<unsigned char>(bytes.at(i)));
            ++i;
            continue;
        }
        if (c == U'\n')
            text += QLatin1String("\\n");
        else if (c == U'\r')
            text += QLatin1String("\\r");
        else if (c == U'\t')
            text += QLatin1String("\\t");
        else if (isControl(c)) {
            for (int k = 0; k < length; ++k)
                text += hex(static_cast<unsigned char>(bytes.at(i + k)));
        } else {
            text += QString::fromUtf8(bytes.constData() + i, length);
        }
        i += length;
    }
    return text;
}

QString EscapedText::of(const QString& text)
{
    return of(text.toUtf8());
}

bool EscapedText::isPlain(const QByteArray& bytes)
{
    for (qsizetype i = 0; i < bytes.size();) {
        char32_t c = 0;
        const int length = sequenceAt(bytes, i, &c);
        if (length == 0 || isControl(c))
            return false;
        i += length;
    }
    return true;
}

} // namespace tw
