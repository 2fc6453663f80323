#include "DateTimeText.h"

#include "NumericDateFormat.h"

#include <atomic>
#include <optional>

namespace tw {
namespace {

std::optional<QLocale>& pinnedLocale()
{
    static std::optional<QLocale> pinned;
    return pinned;
}

// Bumped whenever the locale is pinned or let go, so that the cached formats follow.
std::atomic<int> g_localeGeneration {0};

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

// The locale and its two formats, worked out once per thread and locale: a report line of a
// mass run carries a date, and asking the system locale for them afresh cost more than the line.
struct Formats
{
    int generation = -1;
    QLocale locale;
    QString date;
    QString time;
    std::optional<NumericDateFormat> fastDate;
    std::optional<NumericDateFormat> fastTime;
};

const Formats& formats()
{
    thread_local Formats cached;
    const int generation = g_localeGeneration.load();
    if (cached.generation != generation) {
        cached.locale = pinnedLocale() ? *pinnedLocale() : QLocale::system();
        cached.date
            = isCLocale(cached.locale) ? QStringLiteral("dd/MM/yyyy") : cached.locale.dateFormat(QLocale::ShortFormat);
        cached.time = isCLocale(cached.locale) ? QStringLiteral("HH:mm:ss")
                                               : withoutZone(cached.locale.timeFormat(QLocale::LongFormat));
        cached.fastDate = NumericDateFormat::compile(cached.date, cached.locale);
        cached.fastTime = NumericDateFormat::compile(cached.time, cached.locale);
        cached.generation = generation;
    }
    return cached;
}

} // namespace

QLocale DateTimeText::locale()
{
    return pinnedLocale() ? *pinnedLocale() : QLocale::system();
}

void DateTimeText::setLocaleForTesting(const QLocale& locale)
{
    pinnedLocale() = locale;
    ++g_localeGeneration;
}

void DateTimeText::resetLocale()
{
    pinnedLocale().reset();
    ++g_localeGeneration;
}

QString DateTimeText::dateFormat()
{
    return formats().date;
}

QString DateTimeText::timeFormat()
{
    return formats().time;
}

QChar DateTimeText::dateSeparator()
{
    for (const QChar c : dateFormat()) {
        if (!c.isLetter())
            return c;
    }
    return QLatin1Char('/');
}

QString DateTimeText::neverText()
{
    return QStringLiteral("<Never>");
}

QString DateTimeText::formatDate(const QDate& date)
{
    if (!date.isValid())
        return neverText();
    const Formats& f = formats();
    return f.fastDate ? f.fastDate->date(date) : f.locale.toString(date, f.date);
}

QString DateTimeText::formatTime(const QTime& time)
{
    const Formats& f = formats();
    return f.fastTime ? f.fastTime->time(time) : f.locale.toString(time, f.time);
}

QString DateTimeText::format(const QDateTime& when)
{
    if (!when.isValid())
        return neverText();
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
