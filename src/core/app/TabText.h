#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// Texts written into the program's TAB-separated files: the report files, the
// daily log and the clipboard texts. A TAB, CR or LF inside a value (a subject,
// a user name, a file name read from a folder) would start a new column or a new
// line there, so each is written as a blank. The result lists, CSV and HTML keep
// the value whole; only these writers call this.
namespace TabText {

// `value` as one column: TAB, CR and LF become blanks.
QString cell(const QString& value);
// `line` as one line of a file: CR and LF become blanks, its TABs stay columns.
QString line(const QString& line);
// The cells joined by TAB, each as one column.
QString join(const QStringList& cells);

} // namespace TabText

} // namespace tw
