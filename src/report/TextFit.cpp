#include "TextFit.h"

namespace tw::report {

QFont reportFont(const ReportLayout& layout, bool bold)
{
    QFont font;
    font.setFamilies(layout.fontFamilies);
    font.setPixelSize(layout.fontPixels);
    font.setBold(bold);
    // The same advances on screen, on paper and in a PDF: the limits mean one width everywhere.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(true);
    return font;
}

QString shortened(const QString& text, const QFontMetricsF& metrics, TextLimits limits)
{
    if (limits.first <= 0 || metrics.horizontalAdvance(text) <= limits.first)
        return text;
    QString cut = text;
    while (!cut.isEmpty() && metrics.horizontalAdvance(cut) > limits.second)
        cut.chop(1);
    return cut + QStringLiteral("...");
}

} // namespace tw::report
