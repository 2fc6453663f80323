#pragma once

#include "ReportForm.h"

#include <QString>

namespace tw::report {

// Writes the PDF `source` to `target` with the author, title and subject of `info`. The target
// is replaced in one step, never left half written. False with `error` set when a file cannot
// be read or written.
bool writeWithPdfInfo(const QString& source, const QString& target, const PdfInfo& info, QString* error);

} // namespace tw::report
