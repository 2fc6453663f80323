#pragma once

#include <QString>
#include <functional>

namespace gw {
class FileServer;
}

namespace tw {

struct ResultRow;
struct RunServices;

// The rows of the stray-file list as the delete and the recount read them, in list order.
struct StrayRows
{
    std::function<int()> count;
    std::function<const ResultRow&(int)> at;
};

// The marked rows' count and the sum of their sizes.
struct MarkedTotals
{
    qint64 files = 0;
    qint64 bytes = 0;

    static MarkedTotals of(const StrayRows& rows);
};

// Deletes the files of the marked rows, in list order, without a question: a read-only file is
// made writable first. Only a file that is still the one judged is deleted: one whose size or
// modification time differs from the scan's is passed over with a word, so an edit made since
// the scan is never lost. A marked symbolic link is removed itself, never its target. A path in
// an area the file server keeps for itself (a library store, a salvage area) is never deleted,
// whatever the list says. Cancel stops the deletion after the row in hand.
void deleteMarkedStrays(const StrayRows& rows, const RunServices& services, gw::FileServer& server);

} // namespace tw
