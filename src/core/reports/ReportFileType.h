#pragma once

#include <QString>
#include <optional>

namespace tw {

// The formats a printable report is saved in, told by the file's extension (in any case):
// .pdf, .csv, .html or .htm, .txt.
enum class ReportFileType { Pdf, Csv, Html, Text };

std::optional<ReportFileType> reportFileTypeOf(const QString& path);

} // namespace tw
