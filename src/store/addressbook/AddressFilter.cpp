#include "AddressFilter.h"

#include "gw/Error.h"

namespace store {

namespace {

[[noreturn]] void fail(const QString& filter, int position, const char* expected)
{
    throw gw::Error(QStringLiteral("Invalid address book filter %1 at position %2: expected %3")
                        .arg(filter, QString::number(position + 1), QLatin1String(expected)));
}

int skipBlanks(const QString& text, int at)
{
    while (at < text.size() && text.at(at).isSpace())
        ++at;
    return at;
}

int expectWord(const QString& filter, int at, const char* word)
{
    at = skipBlanks(filter, at);
    const QLatin1String expected(word);
    if (filter.mid(at, expected.size()).compare(expected, Qt::CaseInsensitive) != 0)
        fail(filter, at, word);
    return at + expected.size();
}

} // namespace

AddressFilter AddressFilter::parse(const QString& filter)
{
    int at = expectWord(filter, 0, "(");
    at = expectWord(filter, at, "Name");
    if (at < filter.size() && !filter.at(at).isSpace())
        fail(filter, at, "a blank after Name");
    at = expectWord(filter, at, "MATCHES");
    at = skipBlanks(filter, at);
    if (at >= filter.size() || filter.at(at) != QLatin1Char('"'))
        fail(filter, at, "a quoted name");
    const int lastQuote = filter.lastIndexOf(QLatin1Char('"'));
    if (lastQuote <= at)
        fail(filter, filter.size(), "the closing quote");
    const int close = skipBlanks(filter, lastQuote + 1);
    if (close >= filter.size() || filter.at(close) != QLatin1Char(')'))
        fail(filter, close, ")");
    if (skipBlanks(filter, close + 1) != filter.size())
        fail(filter, skipBlanks(filter, close + 1), "the end of the filter");
    return AddressFilter(filter.mid(at + 1, lastQuote - at - 1));
}

// Iterative matching with one back-tracking point: the last "*" seen.
bool AddressFilter::matches(const QString& pattern, const QString& name)
{
    int p = 0, n = 0, star = -1, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern.at(p) == QLatin1Char('*')) {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && pattern.at(p).toCaseFolded() == name.at(n).toCaseFolded()) {
            ++p;
            ++n;
        } else if (star >= 0) {
            p = star + 1;
            n = ++resume;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern.at(p) == QLatin1Char('*'))
        ++p;
    return p == pattern.size();
}

} // namespace store
