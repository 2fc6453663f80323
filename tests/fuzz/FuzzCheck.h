#pragma once

#include <QString>
#include <cstdio>
#include <cstdlib>

namespace tw::fuzz {

// A promise of a parser broken by an input: says which and ends the process, so that libFuzzer keeps
// the input as a crash and the corpus test fails on it.
[[noreturn]] inline void fail(const QString& what)
{
    std::fprintf(stderr, "fuzz check failed: %s\n", qUtf8Printable(what));
    std::fflush(stderr);
    std::abort();
}

// A text as it reads in a failure message: control characters and lone surrogates written as \uXXXX.
inline QString shown(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || c.isSurrogate())
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return QLatin1Char('"') + out + QLatin1Char('"');
}

} // namespace tw::fuzz

// Checked in every build: the corpus tests run without assertions enabled.
#define TW_FUZZ_CHECK(condition, what)                                                                                 \
    do {                                                                                                               \
        if (!(condition))                                                                                              \
            ::tw::fuzz::fail(what);                                                                                    \
    } while (false)
