#include "AssembleQuery.h"

#include "core/app/DateTimeText.h"

#include <QRegularExpression>

namespace tw {
namespace {

bool filled(const QString& text)
{
    return !text.trimmed().isEmpty();
}

// A field's text is always one quoted word or phrase of the query language, whatever it holds:
// a double quote inside is doubled, so it can neither end the word nor start query syntax.
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// A number field's text as a number of the query language, or an error naming the text.
QString number(const QString& text)
{
    static const QRegularExpression plain(QStringLiteral("^-?[0-9]+(\\.[0-9]+)?$"));
    const QString trimmed = text.trimmed();
    if (!plain.match(trimmed).hasMatch())
        throw QueryFieldError(QStringLiteral("\"%1\" is not a number").arg(text));
    return trimmed;
}

} // namespace

QString queryDate(const QString& typed)
{
    const QDate date = DateTimeText::parseDate(typed);
    if (!date.isValid())
        throw QueryFieldError(QStringLiteral("\"%1\" is not a valid date").arg(typed));
    const QString sep = DateTimeText::dateSeparator();
    return QString::number(date.year()).rightJustified(4, QLatin1Char('0')) + sep
        + QString::number(date.month()).rightJustified(2, QLatin1Char('0')) + sep
        + QString::number(date.day()).rightJustified(2, QLatin1Char('0'));
}

QString subjectTerm(const QString& subject)
{
    // Words end at every blank character (a TAB or a line break as well as a space).
    QStringList words;
    qsizetype start = 0;
    for (qsizetype i = 0; i < subject.size(); ++i) {
        if (subject.at(i).isSpace()) {
            words.append(subject.mid(start, i - start));
            start = i + 1;
        }
    }
    if (words.isEmpty())
        return QStringLiteral(" AND SUBJECT CONTAINS ") + quoted(subject);
    if (start < subject.size())
        words.append(subject.mid(start));
    QStringList terms;
    for (const QString& word : words)
        terms.append(quoted(word));
    return QStringLiteral(" AND SUBJECT CONTAINS (") + terms.join(QStringLiteral(" AND ")) + QLatin1Char(')');
}

QString AssembleQuery(const QueryFields& f)
{
    QString q = QStringLiteral("DOCREFERENCE");
    if (filled(f.low))
        q += QStringLiteral(" AND DOCUMENT_NUMBER >= ") + number(f.low);
    if (filled(f.high))
        q += QStringLiteral(" AND DOCUMENT_NUMBER <= ") + number(f.high);
    if (filled(f.subject))
        q += subjectTerm(f.subject);
    if (!f.documentType.isEmpty())
        q += QStringLiteral(" AND DOCUMENT_TYPE CONTAINS ") + quoted(f.documentType);
    if (filled(f.author))
        q += QStringLiteral(" AND AUTHOR CONTAINS ") + quoted(f.author);
    if (filled(f.creator))
        q += QStringLiteral(" AND DOCUMENT_CREATOR CONTAINS ") + quoted(f.creator);
    if (filled(f.createdFrom))
        q += QStringLiteral(" AND CREATE_DATE >= ") + queryDate(f.createdFrom);
    if (filled(f.createdTo))
        q += QStringLiteral(" AND CREATE_DATE <= ") + queryDate(f.createdTo);
    if (filled(f.modifiedFrom))
        q += QStringLiteral(" AND MODIFY_DATE >= ") + queryDate(f.modifiedFrom);
    if (filled(f.modifiedTo))
        q += QStringLiteral(" AND MODIFY_DATE <= ") + queryDate(f.modifiedTo);
    if (filled(f.extension))
        q += QStringLiteral(" AND DOCUMENT_FILENAME CONTAINS ") + quoted(f.extension);
    if (filled(f.size))
        q += QStringLiteral(" AND SIZE ") + f.sizeOperator + QLatin1Char(' ') + number(f.size);
    for (const AdditionalFieldRow& row : f.additional) {
        if (row.value.isEmpty())
            continue;
        if (row.type == QLatin1String("N"))
            q += QStringLiteral(" AND <") + row.name + QStringLiteral(", NUMERIC> ") + row.op + QLatin1Char(' ')
                + number(row.value);
        else
            q += QStringLiteral(" AND <") + row.name + QStringLiteral(", STRING> ") + row.op + QLatin1Char(' ')
                + quoted(row.value);
    }
    return q;
}

} // namespace tw
