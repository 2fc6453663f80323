#pragma once

// Reads written reports back with tools and parsers of their own: poppler's pdfinfo,
// pdftotext (text and word boxes) and pdffonts for PDFs, and small readers for CSV and HTML tables that share
// nothing with the program's writers.
#include <QFile>
#include <QMap>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QVector>

namespace tw::test {

inline QString toolOutput(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QStringLiteral("<%1 failed: %2>").arg(program, QString::fromLocal8Bit(process.readAllStandardError()));
    return QString::fromUtf8(process.readAllStandardOutput());
}

// pdfinfo's "Key: value" lines.
inline QMap<QString, QString> pdfInfo(const QString& path)
{
    QMap<QString, QString> info;
    for (const QString& line : toolOutput(QStringLiteral("pdfinfo"), {path}).split(QLatin1Char('\n'))) {
        const int colon = line.indexOf(QLatin1Char(':'));
        if (colon > 0)
            info.insert(line.left(colon), line.mid(colon + 1).trimmed());
    }
    return info;
}

// The text of one page (counted from 1), laid out as on the page.
inline QStringList pdfPageLines(const QString& path, int page)
{
    const QString number = QString::number(page);
    return toolOutput(QStringLiteral("pdftotext"),
                      {QStringLiteral("-layout"), QStringLiteral("-f"), number, QStringLiteral("-l"), number, path,
                       QStringLiteral("-")})
        .split(QLatin1Char('\n'));
}

// RFC 4180: fields separated by commas, records by CRLF; a quoted field may hold commas,
// line ends and doubled quotes.
inline QVector<QStringList> readCsv(const QString& path)
{
    QFile file(path);
    QVector<QStringList> records;
    if (!file.open(QIODevice::ReadOnly))
        return records;
    const QString text = QString::fromUtf8(file.readAll());
    QStringList record;
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"')) {
                field += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                field += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            record.append(field);
            field.clear();
        } else if (c == QLatin1Char('\r') && i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n')) {
            record.append(field);
            records.append(record);
            record.clear();
            field.clear();
            ++i;
        } else {
            field += c;
        }
    }
    if (!field.isEmpty() || !record.isEmpty()) {
        record.append(field);
        records.append(record);
    }
    return records;
}

inline QString htmlUnescaped(QString text)
{
    text.replace(QStringLiteral("&lt;"), QStringLiteral("<"));
    text.replace(QStringLiteral("&gt;"), QStringLiteral(">"));
    text.replace(QStringLiteral("&quot;"), QStringLiteral("\""));
    text.replace(QStringLiteral("&#39;"), QStringLiteral("'"));
    text.replace(QStringLiteral("&amp;"), QStringLiteral("&"));
    return text;
}

// The cells of every table row of an HTML file (th and td alike), unescaped.
inline QVector<QStringList> readHtmlTable(const QString& path)
{
    QFile file(path);
    QVector<QStringList> rows;
    if (!file.open(QIODevice::ReadOnly))
        return rows;
    const QString text = QString::fromUtf8(file.readAll());
    static const QRegularExpression row(QStringLiteral("<tr>(.*?)</tr>"),
                                        QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cell(QStringLiteral("<t[hd][^>]*>(.*?)</t[hd]>"),
                                         QRegularExpression::DotMatchesEverythingOption);
    for (auto rowMatch = row.globalMatch(text); rowMatch.hasNext();) {
        QStringList cells;
        const QString inner = rowMatch.next().captured(1);
        for (auto cellMatch = cell.globalMatch(inner); cellMatch.hasNext();)
            cells.append(htmlUnescaped(cellMatch.next().captured(1)));
        rows.append(cells);
    }
    return rows;
}

// A word of a PDF page as pdftotext places it, in points from the page's top left.
struct PdfWord
{
    QString text;
    double xMin = 0;
    double yMin = 0;
    double xMax = 0;
    double yMax = 0;
};

// The words of one page (counted from 1), in pdftotext's reading order.
inline QVector<PdfWord> pdfWords(const QString& path, int page)
{
    const QString number = QString::number(page);
    const QString xhtml = toolOutput(QStringLiteral("pdftotext"),
                                     {QStringLiteral("-bbox"), QStringLiteral("-f"), number, QStringLiteral("-l"),
                                      number, path, QStringLiteral("-")});
    static const QRegularExpression word(QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" "
                                                        "xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">(.*?)</word>"));
    QVector<PdfWord> words;
    for (auto match = word.globalMatch(xhtml); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        words.append({htmlUnescaped(found.captured(5)), found.captured(1).toDouble(), found.captured(2).toDouble(),
                      found.captured(3).toDouble(), found.captured(4).toDouble()});
    }
    return words;
}

} // namespace tw::test
