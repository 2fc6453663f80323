#pragma once

#include <QtGlobal>
#include <sys/resource.h>

namespace tw::test {

// The most memory this process has held at once so far (its peak resident set), in bytes. It
// only grows, so the growth across a step is at most what that step held beyond the peak before.
inline qint64 peakResidentBytes()
{
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

} // namespace tw::test
