#pragma once

#include "ReportForm.h"

#include <QString>

namespace tw::report {

enum class TableFormat { Csv, Html, Text };

// Writes the report's rows as a table: its column captions over every row's whole values,
// in the feed's order. CSV follows RFC 4180 with "," between fields, in UTF-8 behind a
// byte-order mark; HTML is one page; the text lines up its columns by display width, each
// value on one line, and ends its lines in CR LF. The file is written whole or not at all;
// false with `error` set on failure.
bool writeTable(const QString& path, TableFormat format, ReportForm& form, const QDateTime& time, QString* error);

// A CSV field as RFC 4180 writes it. A value that a spreadsheet would take for a formula
// (one beginning with "=", "+", "-", "@", a tab or a carriage return) is written with a
// leading apostrophe, which the spreadsheet shows as text and does not run.
QString csvField(const QString& value);

} // namespace tw::report
