#include "TabText.h"

#include <algorithm>

namespace tw::TabText {
namespace {

bool breaks(QChar c, bool tabs)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n') || (tabs && c == QLatin1Char('\t'));
}

QString blanked(const QString& text, bool tabs)
{
    // Most texts hold none: they are passed on without a copy.
    const auto first = std::find_if(text.begin(), text.end(), [tabs](QChar c) { return breaks(c, tabs); });
    if (first == text.end())
        return text;
    QString result = text;
    for (qsizetype i = first - text.begin(); i < result.size(); ++i) {
        if (breaks(result.at(i), tabs))
            result[i] = QLatin1Char(' ');
    }
    return result;
}

} // namespace

QString cell(const QString& value)
{
    return blanked(value, true);
}

QString line(const QString& line)
{
    return blanked(line, false);
}

QString join(const QStringList& cells)
{
    QString text;
    for (qsizetype i = 0; i < cells.size(); ++i) {
        if (i > 0)
            text += QLatin1Char('\t');
        text += cell(cells.at(i));
    }
    return text;
}

} // namespace tw::TabText
