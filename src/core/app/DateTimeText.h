#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

namespace tw {

// The one date-time text of the program: the system's short date, a blank and
// the system's long time, the time left out at exactly midnight. The daily log,
// every report file, the result lists and the query dates all use it, so a text
// written by one can be read back by another.
//
// The object model gives a date of 0 (never: a version never retrieved, an
// event without a date) as a null date; it reads "<Never>" wherever it is
// written.
class DateTimeText
{
public:
    static QString format(const QDateTime& when);
    static QString formatDate(const QDate& date);
    static QString neverText();
    static QString formatTime(const QTime& time);
    // Reads a text written by format() (with or without its time part).
    // Gives an invalid QDateTime when the text is not such a text.
    static QDateTime parse(const QString& text);
    // Reads a date typed in the short date format; leading zeros may be left
    // out and a two-digit year falls in the century nearest today.
    static QDate parseDate(const QString& text);

    static QString dateFormat();
    static QString timeFormat();
    // The character between the day, month and year of the short date ("/" in the fallback).
    static QChar dateSeparator();

    // The locale whose formats are used; the system locale unless a test pins one.
    static QLocale locale();
    static void setLocaleForTesting(const QLocale& locale);
    static void resetLocale();
};

} // namespace tw
