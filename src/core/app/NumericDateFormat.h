#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>
#include <optional>
#include <vector>

namespace tw {

// A date or time format of numbers, AM/PM and literals ("dd/MM/yyyy", "h:mm:ss AP"), compiled
// once and written without QLocale's parsing of the format for every date: a mass run writes a
// date into every report line. A format with names (MMM, dddd), milliseconds, a time zone or a
// locale without ASCII digits is not compiled; QLocale writes those.
class NumericDateFormat
{
public:
    static std::optional<NumericDateFormat> compile(const QString& format, const QLocale& locale);

    QString date(const QDate& date) const;
    QString time(const QTime& time) const;

private:
    enum class Field { Literal, Day, Month, Year2, Year4, Hour24, Hour12, Minute, Second, AmPmUpper, AmPmLower };
    struct Token
    {
        Field field;
        bool twoDigits = false;
        QString literal;
    };

    QString write(const QDate& date, const QTime& time) const;

    std::vector<Token> m_tokens;
    QString m_am;
    QString m_pm;
};

} // namespace tw
