#include "ExportList.h"

#include "core/app/IoError.h"

#include <QFile>
#include <QFileInfo>
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

QStringList ExportList::read(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw IoError(QStringLiteral("Cannot open the file %1 for reading: %2")
                          .arg(QFileInfo(path).absoluteFilePath(), file.errorString()));
    }
    QStringList lines = QString::fromLocal8Bit(file.readAll()).split(QLatin1Char('\n'));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    }
    return sortedEntries(lines);
}

} // namespace tw
