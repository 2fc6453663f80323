#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// "Export.lst": one document number per line, in the program's directory.
class ExportList
{
public:
    // The lines sorted as text (100 before 11 before 2), each line once.
    // A final line end makes no empty entry. The file is read line by line;
    // a line longer than BoundedLineReader::kMaxCharacters is not kept but
    // stands as tooLongEntry(its line number), which is no document number.
    // Throws IoError when the file exists but cannot be read.
    static QStringList read(const QString& path);
    static QString tooLongEntry(qint64 lineNumber);
    static QStringList sortedEntries(const QStringList& lines);
};

} // namespace tw
