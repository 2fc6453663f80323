#include "QueryLexer.h"

namespace store {

namespace {

bool isWordStart(QChar c)
{
    return c.isLetter() || c == QLatin1Char('_');
}

bool isWordChar(QChar c)
{
    return c.isLetterOrNumber() || c == QLatin1Char('_');
}

bool isDateSeparator(QChar c)
{
    return !c.isLetterOrNumber() && !c.isSpace() && c != QLatin1Char('"') && c != QLatin1Char('(')
        && c != QLatin1Char(')');
}

} // namespace

QueryLexer::QueryLexer(const QString& expression) : m_text(expression) { }

QueryToken QueryLexer::next()
{
    while (m_pos < m_text.size() && m_text.at(m_pos).isSpace()) {
        ++m_pos;
    }
    const int start = m_pos;
    if (start >= m_text.size()) {
        return make(QueryToken::Kind::End, start, start);
    }
    const QChar c = m_text.at(start);
    if (isWordStart(c)) {
        return readWord(start);
    }
    if (c == QLatin1Char('"')) {
        return readText(start);
    }
    if (c.isDigit() || (c == QLatin1Char('-') && start + 1 < m_text.size() && m_text.at(start + 1).isDigit())) {
        return readNumberOrDate(start);
    }
    if (c == QLatin1Char('(') || c == QLatin1Char(')')) {
        m_pos = start + 1;
        return make(c == QLatin1Char('(') ? QueryToken::Kind::LeftParen : QueryToken::Kind::RightParen, start, m_pos);
    }
    if (c == QLatin1Char('<')) {
        return readAngle(start);
    }
    if (c == QLatin1Char('=')) {
        m_pos = start + 1;
        return make(QueryToken::Kind::Compare, start, m_pos);
    }
    if (c == QLatin1Char('>')) {
        m_pos = start + (start + 1 < m_text.size() && m_text.at(start + 1) == QLatin1Char('=') ? 2 : 1);
        return make(QueryToken::Kind::Compare, start, m_pos);
    }
    // A character outside the Basic Multilingual Plane is one token, so an error never quotes half of it.
    const bool pair = c.isHighSurrogate() && start + 1 < m_text.size() && m_text.at(start + 1).isLowSurrogate();
    m_pos = start + (pair ? 2 : 1);
    return make(QueryToken::Kind::Invalid, start, m_pos);
}

QueryToken QueryLexer::make(QueryToken::Kind kind, int start, int end) const
{
    QueryToken token;
    token.kind = kind;
    token.position = start;
    token.source = m_text.mid(start, end - start);
    token.text = token.source;
    return token;
}

QueryToken QueryLexer::readWord(int start)
{
    int end = start + 1;
    while (end < m_text.size() && isWordChar(m_text.at(end))) {
        ++end;
    }
    m_pos = end;
    return make(QueryToken::Kind::Word, start, end);
}

// Quoted text runs to the next double quote that is not doubled: "" inside the
// text stands for one double quote, and "" alone is the empty word.
QueryToken QueryLexer::readText(int start)
{
    QString text;
    int from = start + 1;
    for (;;) {
        const int quote = m_text.indexOf(QLatin1Char('"'), from);
        if (quote < 0) {
            m_pos = m_text.size();
            QueryToken token = make(QueryToken::Kind::Invalid, start, m_pos);
            token.text = QStringLiteral("unterminated");
            return token;
        }
        text += QStringView(m_text).mid(from, quote - from);
        if (quote + 1 < m_text.size() && m_text.at(quote + 1) == QLatin1Char('"')) {
            text += QLatin1Char('"');
            from = quote + 2;
            continue;
        }
        m_pos = quote + 1;
        QueryToken token = make(QueryToken::Kind::Text, start, m_pos);
        token.text = text;
        return token;
    }
}

int QueryLexer::digitsFrom(int from, int maxCount) const
{
    int count = 0;
    while (from + count < m_text.size() && m_text.at(from + count).isDigit() && count < maxCount) {
        ++count;
    }
    return count;
}

// A date separator is one separator character, optionally followed by one blank
// (some locales write "2024. 01. 31").
int QueryLexer::separatorFrom(int from) const
{
    if (from >= m_text.size() || !isDateSeparator(m_text.at(from))) {
        return 0;
    }
    return (from + 1 < m_text.size() && m_text.at(from + 1) == QLatin1Char(' ')) ? 2 : 1;
}

QueryToken QueryLexer::readNumberOrDate(int start)
{
    if (digitsFrom(start, 5) == 4) {
        const int sep1 = separatorFrom(start + 4);
        const int month = sep1 ? digitsFrom(start + 4 + sep1, 3) : 0;
        const int sep2 = (month == 1 || month == 2) ? separatorFrom(start + 4 + sep1 + month) : 0;
        const int dayStart = start + 4 + sep1 + month + sep2;
        const int day = sep2 ? digitsFrom(dayStart, 3) : 0;
        if (day == 1 || day == 2) {
            m_pos = dayStart + day;
            QueryToken token = make(QueryToken::Kind::Date, start, m_pos);
            token.date = QDate(m_text.mid(start, 4).toInt(), m_text.mid(start + 4 + sep1, month).toInt(),
                               m_text.mid(dayStart, day).toInt());
            return token;
        }
    }
    int end = start + 1;
    while (end < m_text.size() && m_text.at(end).isDigit()) {
        ++end;
    }
    if (end + 1 < m_text.size() && m_text.at(end) == QLatin1Char('.') && m_text.at(end + 1).isDigit()) {
        end += 2;
        while (end < m_text.size() && m_text.at(end).isDigit()) {
            ++end;
        }
    }
    m_pos = end;
    return make(QueryToken::Kind::Number, start, end);
}

QueryToken QueryLexer::readAngle(int start)
{
    QueryToken token;
    if (readUserField(start, token)) {
        return token;
    }
    int end = start + 1;
    if (end < m_text.size() && (m_text.at(end) == QLatin1Char('=') || m_text.at(end) == QLatin1Char('>'))) {
        ++end;
    }
    m_pos = end;
    return make(QueryToken::Kind::Compare, start, end);
}

// "<name, STRING>" or "<name, NUMERIC>": the name runs to the comma and may hold
// blanks; anything else starting with "<" is a comparison.
bool QueryLexer::readUserField(int start, QueryToken& token)
{
    const int comma = m_text.indexOf(QLatin1Char(','), start + 1);
    if (comma < 0) {
        return false;
    }
    const QString name = m_text.mid(start + 1, comma - start - 1);
    if (name.contains(QLatin1Char('<')) || name.contains(QLatin1Char('>')) || name.trimmed().isEmpty()) {
        return false;
    }
    const int close = m_text.indexOf(QLatin1Char('>'), comma + 1);
    if (close < 0) {
        return false;
    }
    const QString type = m_text.mid(comma + 1, close - comma - 1).trimmed();
    const bool numeric = type.compare(QLatin1String("NUMERIC"), Qt::CaseInsensitive) == 0;
    if (!numeric && type.compare(QLatin1String("STRING"), Qt::CaseInsensitive) != 0) {
        return false;
    }
    m_pos = close + 1;
    token = make(QueryToken::Kind::UserField, start, m_pos);
    token.text = name.trimmed();
    token.numeric = numeric;
    return true;
}

} // namespace store
