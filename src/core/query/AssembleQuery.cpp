#include "AssembleQuery.h"

#include "core/app/DateTimeText.h"

namespace tw {
namespace {

bool filled(const QString& text)
{
    return !text.trimmed().isEmpty();
}

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
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
    if (!subject.contains(QLatin1Char(' ')))
        return QStringLiteral(" AND SUBJECT CONTAINS ") + quoted(subject);
    QString words;
    QString rest = subject;
    int p = rest.indexOf(QLatin1Char(' '));
    while (p >= 0) {
        words += quoted(rest.left(p));
        rest = rest.mid(p + 1);
        p = rest.indexOf(QLatin1Char(' '));
        if (p >= 0)
            words += QStringLiteral(" AND ");
    }
    if (!rest.isEmpty())
        words += QStringLiteral(" AND ") + quoted(rest);
    return QStringLiteral(" AND SUBJECT CONTAINS (") + words + QLatin1Char(')');
}

QString AssembleQuery(const QueryFields& f)
{
    QString q = QStringLiteral("DOCREFERENCE");
    if (filled(f.low))
        q += QStringLiteral(" AND DOCUMENT_NUMBER >= ") + f.low;
    if (filled(f.high))
        q += QStringLiteral(" AND DOCUMENT_NUMBER <= ") + f.high;
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
        q += QStringLiteral(" AND SIZE ") + f.sizeOperator + QLatin1Char(' ') + f.size;
    for (const AdditionalFieldRow& row : f.additional) {
        if (row.value.isEmpty())
            continue;
        if (row.type == QLatin1String("N"))
            q += QStringLiteral(" AND <") + row.name + QStringLiteral(", NUMERIC> ") + row.op + QLatin1Char(' ')
                + row.value;
        else
            q += QStringLiteral(" AND <") + row.name + QStringLiteral(", STRING> ") + row.op + QLatin1Char(' ')
                + quoted(row.value);
    }
    return q;
}

} // namespace tw
