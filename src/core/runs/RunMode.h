#pragma once

namespace tw {

// How a mass run chooses its documents. The mode is read when the run starts
// and kept for the whole run.
enum class RunMode {
    QueryResults, // "Use Query": one unit per query hit
    LimitedFullLibrary, // "Full Library" with a typed document-number range
    FullLibrary, // "Full Library": 1 to the highest document number
    ListFile, // the export's "Export.lst": the listed document numbers
};

} // namespace tw
