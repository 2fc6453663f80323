#include "TextMatch.h"

namespace store {

bool TextMatch::contains(const QString& value, const QString& word)
{
    return value.contains(word, Qt::CaseInsensitive);
}

bool TextMatch::containsAll(const QString& value, const QStringList& words)
{
    for (const QString& word : words) {
        if (!contains(value, word)) {
            return false;
        }
    }
    return true;
}

bool TextMatch::containsAny(const QString& value, const std::vector<QStringList>& alternatives)
{
    for (const QStringList& words : alternatives) {
        if (containsAll(value, words)) {
            return true;
        }
    }
    return false;
}

bool TextMatch::beginsWith(const QString& value, const QString& word)
{
    return value.startsWith(word, Qt::CaseInsensitive);
}

// Greedy wildcard match with one back-track point: on a mismatch the last "*"
// takes one more character.
bool TextMatch::matches(const QString& value, const QString& pattern)
{
    const QString v = value.toCaseFolded();
    const QString p = pattern.toCaseFolded();
    int vi = 0;
    int pi = 0;
    int star = -1;
    int resume = 0;
    while (vi < v.size()) {
        if (pi < p.size() && p.at(pi) == QLatin1Char('*')) {
            star = pi++;
            resume = vi;
        } else if (pi < p.size() && p.at(pi) == v.at(vi)) {
            ++pi;
            ++vi;
        } else if (star >= 0) {
            pi = star + 1;
            vi = ++resume;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p.at(pi) == QLatin1Char('*')) {
        ++pi;
    }
    return pi == p.size();
}

bool TextMatch::equals(const QString& value, const QString& word)
{
    return value.compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace store
