#include "core/app/NumericDateFormat.h"

#include "core/app/DateTimeText.h"
#include "support/GTestQt.h"

#include <QLocale>
#include <gtest/gtest.h>

using tw::NumericDateFormat;

namespace {

// Every locale's short date and long time, written by the compiled format and by QLocale: the
// same text, or the format is left to QLocale.
TEST(NumericDateFormat, WritesWhatQLocaleWritesInEveryLocale)
{
    const QList<QDate> dates {QDate(2026, 1, 5), QDate(1999, 12, 31), QDate(2000, 2, 29), QDate(2007, 10, 9)};
    const QList<QTime> times {QTime(0, 0, 5), QTime(9, 7, 3), QTime(12, 30, 0), QTime(13, 45, 59), QTime(23, 59, 9)};
    int compiled = 0;
    int checked = 0;
    for (const QLocale& locale :
         QLocale::matchingLocales(QLocale::AnyLanguage, QLocale::AnyScript, QLocale::AnyTerritory)) {
        const QString dateFormat = locale.dateFormat(QLocale::ShortFormat);
        QString timeFormat = locale.timeFormat(QLocale::LongFormat);
        timeFormat.remove(QLatin1Char('t'));
        timeFormat = timeFormat.trimmed();
        if (const auto fast = NumericDateFormat::compile(dateFormat, locale)) {
            ++compiled;
            for (const QDate& date : dates) {
                ++checked;
                EXPECT_EQ(fast->date(date), locale.toString(date, dateFormat))
                    << locale.name().toStdString() << " " << dateFormat.toStdString();
            }
        }
        if (const auto fast = NumericDateFormat::compile(timeFormat, locale)) {
            ++compiled;
            for (const QTime& time : times) {
                ++checked;
                EXPECT_EQ(fast->time(time), locale.toString(time, timeFormat))
                    << locale.name().toStdString() << " " << timeFormat.toStdString();
            }
        }
    }
    EXPECT_GT(compiled, 500) << "most locales' formats are numeric";
    EXPECT_GT(checked, 2000);
}

TEST(NumericDateFormat, LeavesNamesAndForeignDigitsToQLocale)
{
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    EXPECT_TRUE(NumericDateFormat::compile("dd/MM/yyyy", QLocale::c()));
    EXPECT_TRUE(NumericDateFormat::compile("h:mm:ss AP", english));
    EXPECT_TRUE(NumericDateFormat::compile("yyyy'-'MM'-'dd", english));
    for (const char* format : {"d MMM yyyy", "dddd d", "HH:mm:ss.zzz", "y", "Ap h:mm"})
        EXPECT_FALSE(NumericDateFormat::compile(format, english)) << format;
    EXPECT_FALSE(NumericDateFormat::compile("dd/MM/yyyy", QLocale(QLocale::Arabic, QLocale::Egypt)));
}

} // namespace
