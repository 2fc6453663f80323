#pragma once

#include <QString>

namespace tw {

class FieldCatalogue;
struct GwRefs;

// A document number as "%8.0d" writes it: right-aligned in eight characters, so that the
// list's text comparison orders numbers of up to eight digits as numbers.
QString paddedNumber(qint64 number);

// The "Last Used" column of a result list for the current version: "<Never>" for a version
// never retrieved, else the retrieval date alone. A failure goes through the field's own
// reading, which reports it and gives the field's failure text.
QString lastUsedText(GwRefs& refs, FieldCatalogue& fields);

} // namespace tw
