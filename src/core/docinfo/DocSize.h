#pragma once

#include <QtGlobal>

namespace tw {

struct GwRefs;
class OperationLog;

// Measures the current version's file size through a document reference in
// the Documents folder: the reference's own size on object models of major
// version 4 and later, else a series of "SIZE >" searches that converges on
// the exact size.
class DocSize
{
public:
    DocSize(GwRefs& refs, OperationLog& log) : m_refs(refs), m_log(log) { }

    qint64 GetDocSize();

    // The probing search alone: `largerThan(guess)` answers whether the file
    // is larger than the guess; `probes` receives the number of questions.
    template <typename LargerThan> static qint64 probe(LargerThan largerThan, int* probes = nullptr);

private:
    GwRefs& m_refs;
    OperationLog& m_log;
};

template <typename LargerThan> qint64 DocSize::probe(LargerThan largerThan, int* probes)
{
    qint64 guess = 1048576;
    qint64 step = 524288;
    bool previous = false;
    qint64 size = 0;
    int asked = 0;
    while (step > 0) {
        const bool larger = largerThan(guess);
        ++asked;
        // The step only halves when the answer changes, so a large file costs
        // one more question per further quarter megabyte.
        if (larger != previous)
            step /= 2;
        guess += larger ? step : -step;
        previous = larger;
        if (guess < 0) {
            size = 0;
            break;
        }
        size = guess;
    }
    if (probes)
        *probes = asked;
    return size;
}

} // namespace tw
