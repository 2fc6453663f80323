#include "ExportList.h"

#include "core/app/BoundedLineReader.h"
#include "core/app/IoError.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <algorithm>

namespace tw {

QStringList ExportList::sortedEntries(const QStringList& lines)
{
    QStringList entries = lines;
    // Character by character, as a sorted text list orders them; duplicates are ignored.
    std::sort(entries.begin(), entries.end(),
              [](const QString& a, const QString& b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; });
    entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
    return entries;
}

QString ExportList::tooLongEntry(qint64 lineNumber)
{
    return QStringLiteral("<line %1: more than %2 characters>")
        .arg(QString::number(lineNumber), QString::number(BoundedLineReader::kMaxCharacters));
}

QStringList ExportList::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw IoError(QStringLiteral("Cannot open the file %1 for reading: %2")
                          .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
    // One decoder for the whole file, fed every line with its end, reads the text exactly as a
    // decoding of the file at once would (a byte-order mark only at its very start).
    QStringDecoder decode(QStringDecoder::System);
    BoundedLineReader reader(file, BoundedLineReader::Ends::Lf);
    QStringList lines;
    BoundedLineReader::Line line;
    while (reader.next(&line)) {
        if (line.tooLong) {
            // Kept as an entry that is no number: the run counts and logs it as every other
            // line it cannot use.
            lines.append(tooLongEntry(line.number));
            continue;
        }
        line.bytes.append('\n');
        QString text = decode(line.bytes);
        text.chop(1);
        // After the last line end, no text (at most a byte-order mark) is no entry.
        if (!line.ended && text.isEmpty())
            continue;
        if (text.endsWith(QLatin1Char('\r')))
            text.chop(1);
        lines.append(text);
    }
    if (reader.failed()) {
        throw IoError(
            QStringLiteral("Cannot read the file %1: %2").arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
    return sortedEntries(lines);
}

} // namespace tw
