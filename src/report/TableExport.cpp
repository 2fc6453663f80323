#include "TableExport.h"

#include "PlainText.h"
#include "ReportOutput.h"

#include <QDir>
#include <QSaveFile>
#include <QTextStream>
#include <QVector>

namespace tw::report {

namespace {

// The rows of a report, pulled from its first.
class Rows
{
public:
    Rows(ReportForm& form, const QVector<ReportColumn>& columns) : m_form(form), m_columns(columns)
    {
        m_form.feed().setPosition(0);
    }
    bool next(QStringList& cells)
    {
        m_values.clear();
        if (!m_form.feed().needData(m_values))
            return false;
        cells.clear();
        for (const ReportColumn& column : m_columns)
            cells.append(m_values.value(column.value));
        return true;
    }

private:
    ReportForm& m_form;
    const QVector<ReportColumn>& m_columns;
    QStringList m_values;
};

QStringList captionsOf(const QVector<ReportColumn>& columns)
{
    QStringList captions;
    for (const ReportColumn& column : columns)
        captions.append(column.caption);
    return captions;
}

void writeCsv(QTextStream& out, ReportForm& form, const QVector<ReportColumn>& columns)
{
    const auto line = [&out](const QStringList& cells) {
        QStringList fields;
        for (const QString& cell : cells)
            fields.append(csvField(cell));
        out << fields.join(QLatin1Char(',')) << "\r\n";
    };
    line(captionsOf(columns));
    Rows rows(form, columns);
    QStringList cells;
    while (rows.next(cells))
        line(cells);
}

void writeHtml(QTextStream& out, ReportForm& form, const QVector<ReportColumn>& columns, const ReportJob& job)
{
    const ReportLayout& layout = form.layout();
    const QString title = layout.title.toHtmlEscaped();
    out << "<!DOCTYPE html>\n<html>\n<head>\n<meta charset=\"utf-8\">\n<title>" << title << "</title>\n"
        << "<style>body{font-family:'Liberation Sans',Arial,sans-serif;font-size:10pt}"
           "table{border-collapse:collapse}th,td{padding:1px 8px;text-align:left;vertical-align:bottom}"
           "th{border-bottom:1px solid black}.r{text-align:right}</style>\n</head>\n<body>\n"
        << "<h1>" << title << "</h1>\n<p>" << printTimeText(job.printTime).toHtmlEscaped() << "</p>\n";
    if (layout.titleBand)
        out << "<h2>" << layout.titleLine(QStringLiteral(" ")).toHtmlEscaped() << "</h2>\n";
    QVector<bool> right;
    for (int i = 0; i < columns.size(); ++i)
        right.append(layout.detail.boxes.at(i).align == Align::Right);
    const auto cell = [&](const char* tag, int column, const QString& text) {
        out << '<' << tag << (right.at(column) ? " class=\"r\">" : ">") << text.toHtmlEscaped() << "</" << tag << '>';
    };
    out << "<table>\n<thead><tr>";
    for (int i = 0; i < columns.size(); ++i)
        cell("th", i, columns.at(i).caption);
    out << "</tr></thead>\n<tbody>\n";
    Rows rows(form, columns);
    QStringList cells;
    while (rows.next(cells)) {
        out << "<tr>";
        for (int i = 0; i < cells.size(); ++i)
            cell("td", i, cells.at(i));
        out << "</tr>\n";
    }
    out << "</tbody>\n</table>\n</body>\n</html>\n";
}

// The text of a plain-text cell and the columns it takes.
struct TextCell
{
    QString text;
    int width = 0;
};

TextCell textCell(const QString& value)
{
    TextCell cell {oneLine(value)};
    cell.width = displayWidth(cell.text);
    return cell;
}

// Two passes: the first finds each column's width, the second writes the lines. Widths are
// display columns, so that wide characters and emoji keep the columns lined up in a fixed-pitch
// view; lines end in CR LF like every text file of the program.
void writeText(QTextStream& out, ReportForm& form, const QVector<ReportColumn>& columns, const ReportJob& job)
{
    const ReportLayout& layout = form.layout();
    const QLatin1String end("\r\n");
    QVector<int> widths;
    for (const ReportColumn& column : columns)
        widths.append(textCell(column.caption).width);
    QStringList cells;
    for (Rows rows(form, columns); rows.next(cells);) {
        for (int i = 0; i < cells.size(); ++i)
            widths[i] = std::max(widths.at(i), textCell(cells.at(i)).width);
    }
    const auto line = [&](const QStringList& texts) {
        QString text;
        for (int i = 0; i < texts.size(); ++i) {
            const TextCell cell = textCell(texts.at(i));
            const QString blanks(widths.at(i) - cell.width, QLatin1Char(' '));
            const bool right = layout.detail.boxes.at(i).align == Align::Right;
            if (i > 0)
                text += QLatin1String("  ");
            text += right ? blanks + cell.text : cell.text + blanks;
        }
        while (text.endsWith(QLatin1Char(' ')))
            text.chop(1);
        out << text << end;
    };
    out << oneLine(layout.title) << "  " << printTimeText(job.printTime) << end;
    if (layout.titleBand)
        out << oneLine(layout.titleLine(QStringLiteral(" "))) << end;
    out << end;
    line(captionsOf(columns));
    for (Rows rows(form, columns); rows.next(cells);)
        line(cells);
}

} // namespace

QString csvField(const QString& value)
{
    QString text = value;
    static const QString kFormulaStarts = QStringLiteral("=+-@\t\r");
    if (!text.isEmpty() && kFormulaStarts.contains(text.at(0)))
        text.prepend(QLatin1Char('\''));
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"'))
        || text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
    if (!quoted)
        return text;
    text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + text + QLatin1Char('"');
}

bool writeTable(const QString& path, TableFormat format, ReportForm& form, const QDateTime& time, QString* error)
{
    const ReportJob job = prepareJob(form, QPageSize(QPageSize::A4), time);
    const QVector<ReportColumn> columns = form.layout().columns();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    QTextStream out(&file);
    switch (format) {
    case TableFormat::Csv:
        // A spreadsheet reads a CSV file without a byte-order mark in the system's 8-bit code
        // page and shows "MÃ¼ller" for "Müller"; with the mark it reads UTF-8.
        out.setGenerateByteOrderMark(true);
        writeCsv(out, form, columns);
        break;
    case TableFormat::Html:
        writeHtml(out, form, columns, job);
        break;
    case TableFormat::Text:
        writeText(out, form, columns, job);
        break;
    }
    out.flush();
    if (out.status() != QTextStream::Ok || !file.commit()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), file.errorString());
        return false;
    }
    return true;
}

} // namespace tw::report
