#pragma once

#include <QString>
#include <QStringList>

namespace tw {

// Appends lines to a plain 8-bit text file with CR LF line ends. The file is
// opened, written, flushed and closed for every call, so a cancel or crash
// keeps every finished line. Throws IoError when any step fails.
class LineFile
{
public:
    // Appends `lines`; when the file does not exist yet, `header` is written first.
    static void append(const QString& path, const QStringList& lines, const QStringList& header = {});
};

} // namespace tw
