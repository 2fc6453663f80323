#pragma once

#include <QString>

namespace store {

// The address-book filter (Name MATCHES "pattern"): the pattern is compared with an entry's
// whole display name ignoring case, a "*" standing for any run of characters. Everything
// between the first and the last double quote is the pattern, so a name holding a double
// quote still finds itself.
class AddressFilter
{
public:
    // Raises gw::Error naming the position and what was expected.
    static AddressFilter parse(const QString& filter);
    static bool matches(const QString& pattern, const QString& name);

    bool matches(const QString& name) const { return matches(m_pattern, name); }
    const QString& pattern() const { return m_pattern; }

private:
    explicit AddressFilter(QString pattern) : m_pattern(std::move(pattern)) { }
    QString m_pattern;
};

} // namespace store
