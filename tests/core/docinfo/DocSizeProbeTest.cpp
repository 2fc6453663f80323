#include "core/docinfo/DocSize.h"
#include "support/GTestQt.h"

#include <QList>
#include <gtest/gtest.h>

using tw::DocSize;

namespace {

// The probing search must land on the exact size of every file, whatever its
// size; a file's answers are "is it larger than the guess".
TEST(DocSizeProbe, FindsTheExactSize)
{
    const qint64 sizes[] = {0,      1,       2,       3,       1000,    262143,  262144,  524287,  524288,
                            524289, 1048575, 1048576, 1048577, 1310720, 2000000, 5242880, 10485761};
    for (const qint64 size : sizes) {
        int probes = 0;
        const qint64 found = DocSize::probe([size](qint64 guess) { return size > guess; }, &probes);
        EXPECT_EQ(found, size) << "file of " << size << " bytes";
        EXPECT_LE(probes, 45 + size / 262144) << "file of " << size << " bytes";
    }
}

TEST(DocSizeProbe, AnEmptyFileTakesThreeProbes)
{
    QList<qint64> guesses;
    const qint64 found = DocSize::probe([&guesses](qint64 guess) {
        guesses.append(guess);
        return false;
    });
    EXPECT_EQ(found, 0);
    EXPECT_EQ(guesses, (QList<qint64> {1048576, 524288, 0}));
}

TEST(DocSizeProbe, SizesAboveAMegabyteCostOneProbePerQuarterMegabyte)
{
    int small = 0;
    int large = 0;
    DocSize::probe([](qint64 guess) { return 1048577 > guess; }, &small);
    DocSize::probe([](qint64 guess) { return 1048577 + 4 * 262144 > guess; }, &large);
    EXPECT_EQ(large - small, 4);
}

} // namespace
