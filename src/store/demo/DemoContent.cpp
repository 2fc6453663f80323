#include "DemoContent.h"

namespace store {

namespace {

QStringList bodyLines(const QString& subject, const QString& author, int version)
{
    return {subject, QStringLiteral("Prepared by %1").arg(author), QStringLiteral("Revision %1").arg(version),
            QStringLiteral("This revision updates the figures and the wording of section %1.").arg(version % 7 + 1),
            QStringLiteral("Please send comments to the author before the next review meeting.")};
}

QByteArray html(const QStringList& lines)
{
    QString out = QStringLiteral("<!DOCTYPE html>\r\n<html><head><meta charset=\"utf-8\"><title>%1</title></head>"
                                 "\r\n<body>\r\n<h1>%1</h1>\r\n")
                      .arg(lines.first().toHtmlEscaped());
    for (int i = 1; i < lines.size(); ++i)
        out += QStringLiteral("<p>%1</p>\r\n").arg(lines.at(i).toHtmlEscaped());
    return (out + QStringLiteral("</body></html>\r\n")).toUtf8();
}

QByteArray csv(const QString& subject, int version)
{
    QString out = QStringLiteral("Item,Quantity,Unit Price,Total\r\n");
    for (int i = 1; i <= 4 + version; ++i) {
        const int quantity = (i * 7 + version) % 13 + 1;
        const double price = 9.5 * i + version;
        out += QLatin1Char('"') + QString(subject).replace(QLatin1Char('"'), QLatin1String("\"\""))
            + QStringLiteral(" item %1\",%2,%3,%4\r\n")
                  .arg(i)
                  .arg(quantity)
                  .arg(price, 0, 'f', 2)
                  .arg(quantity * price, 0, 'f', 2);
    }
    return out.toUtf8();
}

QByteArray rtf(const QStringList& lines)
{
    QString out = QStringLiteral("{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0 Times New Roman;}}\\f0\\fs24\r\n");
    for (const QString& line : lines) {
        QString escaped = line;
        escaped.replace(QLatin1Char('\\'), QLatin1String("\\\\"))
            .replace(QLatin1Char('{'), QLatin1String("\\{"))
            .replace(QLatin1Char('}'), QLatin1String("\\}"));
        out += escaped + QStringLiteral("\\par\r\n");
    }
    return (out + QStringLiteral("}\r\n")).toLatin1();
}

QByteArray xml(const QStringList& lines)
{
    QString out = QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<document>\r\n");
    out += QStringLiteral("  <title>%1</title>\r\n").arg(lines.first().toHtmlEscaped());
    for (int i = 1; i < lines.size(); ++i)
        out += QStringLiteral("  <para>%1</para>\r\n").arg(lines.at(i).toHtmlEscaped());
    return (out + QStringLiteral("</document>\r\n")).toUtf8();
}

QByteArray json(const QStringList& lines)
{
    QStringList quoted;
    for (const QString& line : lines)
        quoted << QLatin1Char('"') + QString(line).replace(QLatin1Char('"'), QLatin1String("\\\"")) + QLatin1Char('"');
    return QStringLiteral("{\n  \"title\": %1,\n  \"lines\": [%2]\n}\n")
        .arg(quoted.first(), quoted.mid(1).join(QLatin1String(", ")))
        .toUtf8();
}

QByteArray ini(const QString& subject, int version)
{
    return QStringLiteral("[Document]\r\nTitle=%1\r\nRevision=%2\r\n\r\n[Settings]\r\nPageSize=A4\r\nCopies=%3\r\n")
        .arg(subject)
        .arg(version)
        .arg(version % 3 + 1)
        .toLatin1();
}

QByteArray mail(const QStringList& lines, const QString& author)
{
    return QStringLiteral("From: %1\r\nTo: Library\r\nSubject: %2\r\nMIME-Version: 1.0\r\n"
                          "Content-Type: text/plain; charset=utf-8\r\n\r\n%3\r\n")
        .arg(author, lines.first(), lines.mid(1).join(QLatin1String("\r\n")))
        .toUtf8();
}

} // namespace

QStringList DemoContent::fileTypes()
{
    return {QStringLiteral("txt"), QStringLiteral("htm"), QStringLiteral("csv"),  QStringLiteral("rtf"),
            QStringLiteral("pdf"), QStringLiteral("xml"), QStringLiteral("json"), QStringLiteral("ini"),
            QStringLiteral("md"),  QStringLiteral("eml"), QStringLiteral("log")};
}

QByteArray DemoContent::make(const QString& fileType, const QString& subject, const QString& author, int version)
{
    const QStringList lines = bodyLines(subject, author, version);
    const QString type = fileType.toLower();
    if (type == QLatin1String("htm") || type == QLatin1String("html"))
        return html(lines);
    if (type == QLatin1String("csv"))
        return csv(subject, version);
    if (type == QLatin1String("rtf"))
        return rtf(lines);
    if (type == QLatin1String("pdf"))
        return pdf(lines);
    if (type == QLatin1String("xml"))
        return xml(lines);
    if (type == QLatin1String("json"))
        return json(lines);
    if (type == QLatin1String("ini"))
        return ini(subject, version);
    if (type == QLatin1String("eml"))
        return mail(lines, author);
    if (type == QLatin1String("md"))
        return (QStringLiteral("# ") + lines.first() + QStringLiteral("\n\n") + lines.mid(1).join(QLatin1String("\n\n"))
                + QLatin1Char('\n'))
            .toUtf8();
    return (lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n")).toUtf8();
}

// A one-page PDF with the lines in Helvetica; the cross-reference table holds the real offsets.
QByteArray DemoContent::pdf(const QStringList& lines)
{
    QByteArray text = "BT /F1 14 Tf 72 760 Td 18 TL\n";
    for (const QString& line : lines) {
        QByteArray escaped = line.toLatin1();
        escaped.replace('\\', "\\\\").replace('(', "\\(").replace(')', "\\)");
        text += "(" + escaped + ") Tj T*\n";
    }
    text += "ET\n";
    const QList<QByteArray> objects = {
        "<< /Type /Catalog /Pages 2 0 R >>",
        "<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 612 792] /Contents 4 0 R"
        " /Resources << /Font << /F1 5 0 R >> >> >>",
        "<< /Length " + QByteArray::number(text.size()) + " >>\nstream\n" + text + "endstream",
        "<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica >>",
    };
    QByteArray out = "%PDF-1.4\n";
    QList<int> offsets;
    for (int i = 0; i < objects.size(); ++i) {
        offsets << out.size();
        out += QByteArray::number(i + 1) + " 0 obj\n" + objects.at(i) + "\nendobj\n";
    }
    const int xref = out.size();
    out += "xref\n0 " + QByteArray::number(objects.size() + 1) + "\n0000000000 65535 f \n";
    for (int offset : offsets)
        out += QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    out += "trailer\n<< /Size " + QByteArray::number(objects.size() + 1) + " /Root 1 0 R >>\nstartxref\n"
        + QByteArray::number(xref) + "\n%%EOF\n";
    return out;
}

} // namespace store
