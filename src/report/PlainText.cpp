#include "PlainText.h"

#include <QList>
#include <QStringView>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <unicode/uchar.h>

namespace tw::report {

namespace {

const char32_t kEmojiPresentationSelector = 0xFE0F;

bool breaksTheLine(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

bool takesTwoColumns(char32_t code)
{
    const auto width = static_cast<UEastAsianWidth>(u_getIntPropertyValue(UChar32(code), UCHAR_EAST_ASIAN_WIDTH));
    return width == U_EA_WIDE || width == U_EA_FULLWIDTH || u_hasBinaryProperty(UChar32(code), UCHAR_EMOJI_PRESENTATION)
        || code == kEmojiPresentationSelector;
}

bool takesNoColumn(char32_t code)
{
    switch (QChar::category(code)) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_Enclosing:
    case QChar::Other_Format:
    case QChar::Other_Control:
        return true;
    default:
        // Hangul vowels and final consonants join the syllable begun before them.
        return code >= 0x1160 && code <= 0x11FF;
    }
}

// A user-perceived character: two columns when any of its code points is wide or asks for
// the emoji form, else as many as its first code point takes.
int clusterWidth(QStringView cluster)
{
    const QList<uint> codes = cluster.toUcs4();
    for (const uint code : codes) {
        if (takesTwoColumns(code))
            return 2;
    }
    return codes.isEmpty() || takesNoColumn(codes.first()) ? 0 : 1;
}

} // namespace

QString oneLine(const QString& text)
{
    QString line;
    line.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n'))
            continue; // the LF that follows writes the one blank
        line.append(breaksTheLine(c) ? QChar(QLatin1Char(' ')) : c);
    }
    return line;
}

int displayWidth(const QString& text)
{
    // Most values are plain ASCII: one column a character, without finding the clusters.
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() >= 0x20 && c.unicode() < 0x7F; }))
        return int(text.size());
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, text);
    int width = 0;
    qsizetype start = 0;
    for (qsizetype end = clusters.toNextBoundary(); end != -1; end = clusters.toNextBoundary()) {
        width += clusterWidth(QStringView(text).mid(start, end - start));
        start = end;
    }
    return width;
}

} // namespace tw::report
