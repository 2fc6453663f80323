#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace store {

// The text comparisons of the query language. All of them ignore case.
//  contains:   the word occurs anywhere in the value (a part of a word is enough;
//              an empty word occurs in every value)
//  beginsWith: the value starts with the word
//  matches:    the whole value equals the pattern, where "*" stands for any run
//              of characters
//  equals:     the whole value equals the word
class TextMatch
{
public:
    static bool contains(const QString& value, const QString& word);
    static bool containsAll(const QString& value, const QStringList& words);
    static bool containsAny(const QString& value, const std::vector<QStringList>& alternatives);
    static bool beginsWith(const QString& value, const QString& word);
    static bool matches(const QString& value, const QString& pattern);
    static bool equals(const QString& value, const QString& word);
};

} // namespace store
