#pragma once

#include "store/FileCopy.h"

#include <QByteArray>
#include <QString>

namespace store {

// The content files of one library directory. New content is written under a
// temporary name and renamed to a fresh 8.3 name, so a crash never leaves half
// a content file under a name the database knows.
class ContentFiles
{
public:
    explicit ContentFiles(const QString& directory);

    // A fresh 8.3 name: eight hexadecimal digits and up to three characters
    // of the file type, upper case (0A1B2C3D.DOC).
    QString freshName(const QString& fileType) const;
    QString pathOf(const QString& name) const;

    // Stores a copy of source / the bytes as `name` (a fresh name, recorded as a change under
    // way before), through a temporary name beside it; never replaces a file. Gives the size.
    qint64 storeFileAs(const QString& source, const QString& name,
                       FileCopy::Source kind = FileCopy::Source::AnyFile) const;
    qint64 storeBytesAs(const QByteArray& bytes, const QString& name) const;

    // Copies a content file out, never showing half a copy under target's
    // name (FileCopy::copy). overwrite false fails when target exists
    // (checked atomically).
    static void copyOut(const QString& source, const QString& target, bool overwrite);

    // Moves a content file into its directory's salvage area; false when the
    // file is not there or cannot be moved.
    static bool salvage(const QString& path, const QString& deletorName);

private:
    QString m_directory;
};

} // namespace store
