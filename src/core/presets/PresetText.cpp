#include "PresetText.h"

#include "core/app/TabText.h"
#include "core/lists/ResultSink.h"

#include <QStringList>

namespace tw {

namespace {

// The list keeps its values whole; in the copied text each value is one column.
void appendRow(QString& text, const ResultRow& row)
{
    for (const QString& value : row.texts) {
        text += TabText::cell(value);
        text += QLatin1Char('\t');
    }
    text += TabText::cell(row.hidden);
    text += QLatin1String("\r\n");
}

} // namespace

QString presetListText(const QString& title, int rows, const std::function<const ResultRow&(int)>& rowAt)
{
    QString text = title + QLatin1String("\r\n")
        + QStringList {QStringLiteral("Number"), QStringLiteral("Version"), QStringLiteral("Subject"),
                       QStringLiteral("Author"), QStringLiteral("Status"),  QStringLiteral("Last Used")}
              .join(QLatin1Char('\t'))
        + QLatin1String("\r\n");
    const int sample = qMin(rows, 64);
    for (int i = 0; i < sample; ++i)
        appendRow(text, rowAt(i));
    if (sample > 0 && rows > sample) {
        // Room for the rest at a little more than the sampled rows' length, so the text is
        // not copied again and again as it grows.
        const qsizetype perRow = text.size() / sample + 8;
        text.reserve(text.size() + perRow * (rows - sample));
    }
    for (int i = sample; i < rows; ++i)
        appendRow(text, rowAt(i));
    return text;
}

} // namespace tw
