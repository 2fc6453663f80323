#include "NumericDateFormat.h"

namespace tw {

namespace {

void appendNumber(QString& out, int value, bool twoDigits)
{
    if (twoDigits && value < 10)
        out += QLatin1Char('0');
    out += QString::number(value);
}

} // namespace

std::optional<NumericDateFormat> NumericDateFormat::compile(const QString& format, const QLocale& locale)
{
    if (locale.zeroDigit() != QLatin1Char('0'))
        return std::nullopt;
    NumericDateFormat compiled;
    compiled.m_am = locale.amText();
    compiled.m_pm = locale.pmText();
    const bool twelveHour = format.contains(QLatin1Char('a'), Qt::CaseInsensitive);
    for (int i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == QLatin1Char('\'')) {
            // A quoted literal; two quotes stand for one.
            const int end = format.indexOf(QLatin1Char('\''), i + 1);
            if (end < 0)
                return std::nullopt;
            const QString text = end == i + 1 ? QStringLiteral("'") : format.mid(i + 1, end - i - 1);
            compiled.m_tokens.push_back({Field::Literal, false, text});
            i = end + 1;
            continue;
        }
        int run = 1;
        while (i + run < format.size() && format.at(i + run) == c)
            ++run;
        Field field = Field::Literal;
        bool valid = run <= 2;
        switch (c.unicode()) {
        case 'd':
            field = Field::Day;
            break;
        case 'M':
            field = Field::Month;
            break;
        case 'y':
            field = run == 4 ? Field::Year4 : Field::Year2;
            valid = run == 2 || run == 4;
            break;
        case 'H':
            field = Field::Hour24;
            break;
        case 'h':
            field = twelveHour ? Field::Hour12 : Field::Hour24;
            break;
        case 'm':
            field = Field::Minute;
            break;
        case 's':
            field = Field::Second;
            break;
        case 'A':
            field = Field::AmPmUpper;
            valid = run == 1;
            break;
        case 'a':
            field = Field::AmPmLower;
            valid = run == 1;
            break;
        default:
            if (c.isLetter())
                return std::nullopt; // names, milliseconds, zones: QLocale writes them
            compiled.m_tokens.push_back({Field::Literal, false, QString(run, c)});
            i += run;
            continue;
        }
        // "AP" and "ap" are one token, as "A" and "a" are.
        if ((c == QLatin1Char('A') || c == QLatin1Char('a')) && i + 1 < format.size()
            && format.at(i + 1).toLower() == QLatin1Char('p')) {
            if (format.at(i + 1) != (c == QLatin1Char('A') ? QLatin1Char('P') : QLatin1Char('p')))
                return std::nullopt; // "Ap", "aP": the text as the locale has it
            run = 2;
            valid = true;
        }
        if (!valid)
            return std::nullopt;
        compiled.m_tokens.push_back({field, run == 2, QString()});
        i += run;
    }
    return compiled;
}

QString NumericDateFormat::date(const QDate& date) const
{
    return write(date, QTime());
}

QString NumericDateFormat::time(const QTime& time) const
{
    return write(QDate(), time);
}

QString NumericDateFormat::write(const QDate& date, const QTime& time) const
{
    QString out;
    out.reserve(24);
    for (const Token& token : m_tokens) {
        switch (token.field) {
        case Field::Literal:
            out += token.literal;
            break;
        case Field::Day:
            appendNumber(out, date.day(), token.twoDigits);
            break;
        case Field::Month:
            appendNumber(out, date.month(), token.twoDigits);
            break;
        case Field::Year2:
            appendNumber(out, ((date.year() % 100) + 100) % 100, true);
            break;
        case Field::Year4:
            out += QString::number(date.year()).rightJustified(4, QLatin1Char('0'));
            break;
        case Field::Hour24:
            appendNumber(out, time.hour(), token.twoDigits);
            break;
        case Field::Hour12:
            appendNumber(out, time.hour() % 12 == 0 ? 12 : time.hour() % 12, token.twoDigits);
            break;
        case Field::Minute:
            appendNumber(out, time.minute(), token.twoDigits);
            break;
        case Field::Second:
            appendNumber(out, time.second(), token.twoDigits);
            break;
        case Field::AmPmUpper:
            out += (time.hour() < 12 ? m_am : m_pm).toUpper();
            break;
        case Field::AmPmLower:
            out += (time.hour() < 12 ? m_am : m_pm).toLower();
            break;
        }
    }
    return out;
}

} // namespace tw
