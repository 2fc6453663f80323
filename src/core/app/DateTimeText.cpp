#include "DateTimeText.h"

#include <optional>

namespace tw {
namespace {

std::optional<QLocale>& pinnedLocale()
{
    static std::optional<QLocale> pinned;
    return pinned;
}

bool isCLocale(const QLocale& locale)
{
    return locale.language() == QLocale::C;
}

// A long time format without its time-zone part: the platform's long time
// carries no zone, and a zone name could not be read back reliably.
QString withoutZone(QString format)
{
    format.remove(QLatin1Char('t'));
    return format.trimmed();
}

int nearestCentury(int twoDigitYearResult)
{
    // Two-digit year patterns read back as 19xx; take the century nearest today.
    const int thisYear = QDate::currentDate().year();
    int year = twoDigitYearResult;
    while (year < thisYear - 80)
        year += 100;
    return year;
}

} // namespace

QLocale DateTimeText::locale()
{
    return pinnedLocale() ? *pinnedLocale() : QLocale::system();
}

void DateTimeText::setLocaleForTesting(const QLocale& locale)
{
    pinnedLocale() = locale;
}

void DateTimeText::resetLocale()
{
    pinnedLocale().reset();
}

QString DateTimeText::dateFormat()
{
    const QLocale loc = locale();
    if (isCLocale(loc))
        return QStringLiteral("dd/MM/yyyy");
    return loc.dateFormat(QLocale::ShortFormat);
}

QString DateTimeText::timeFormat()
{
    const QLocale loc = locale();
    if (isCLocale(loc))
        return QStringLiteral("HH:mm:ss");
    return withoutZone(loc.timeFormat(QLocale::LongFormat));
}

QChar DateTimeText::dateSeparator()
{
    for (const QChar c : dateFormat()) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

QString DateTimeText::formatDate(const QDate& date)
{
    return locale().toString(date, dateFormat());
}

QString DateTimeText::formatTime(const QTime& time)
{
    return locale().toString(time, timeFormat());
}

QString DateTimeText::format(const QDateTime& when)
{
    const QString date = formatDate(when.date());
    if (when.time() == QTime(0, 0))
        return date;
    return date + QLatin1Char(' ') + formatTime(when.time());
}

QDate DateTimeText::parseDate(const QString& text)
{
    // Typed dates may leave out leading zeros: "5/6/2025" reads like "05/06/2025".
    QString lenient = dateFormat();
    lenient.replace(QLatin1String("dd"), QLatin1String("d")).replace(QLatin1String("MM"), QLatin1String("M"));
    const QString trimmed = text.trimmed();
    QDate date = locale().toDate(trimmed, lenient);
    if (!date.isValid())
        date = locale().toDate(trimmed, dateFormat());
    if (date.isValid() && !dateFormat().contains(QLatin1String("yyyy")))
        date = QDate(nearestCentury(date.year()), date.month(), date.day());
    return date;
}

QDateTime DateTimeText::parse(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (const QDate date = parseDate(trimmed); date.isValid())
        return QDateTime(date, QTime(0, 0));
    // The date and the time are separated by a blank; a short date may hold blanks of its own.
    for (int blank = trimmed.indexOf(QLatin1Char(' ')); blank >= 0;
         blank = trimmed.indexOf(QLatin1Char(' '), blank + 1)) {
        const QDate date = parseDate(trimmed.left(blank));
        const QTime time = locale().toTime(trimmed.mid(blank + 1).trimmed(), timeFormat());
        if (date.isValid() && time.isValid())
            return QDateTime(date, time);
    }
    return {};
}

} // namespace tw
