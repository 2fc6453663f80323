#pragma once

#include "gw/Error.h"

#include <QString>

namespace store {

// Copies files so that nobody ever sees half a copy under the target's name.
// Errors are gw::Error with a message naming the file.
class FileCopy
{
public:
    // A copy that could not be written where it was to go; `error` is the
    // system's error number, so that a caller writing into the store can tell
    // a read-only or full store from a failure of this one file.
    class WriteError : public gw::Error
    {
    public:
        WriteError(const QString& message, int error) : gw::Error(message), m_error(error) { }
        int error() const { return m_error; }

    private:
        int m_error;
    };

    enum class Via { UnnamedFileWherePossible, TemporaryName };
    // What a source may be. A file handed in from outside the store (a check-in) must be a
    // regular file in its own right: a symbolic link or a device is refused, so that the
    // store never takes in whatever file a link in a shared folder points to.
    enum class Source { AnyFile, RegularFileOnly };

    // Copies source to target. Where the file system can, the copy is made
    // as an unnamed file in target's directory and given its name when whole
    // (a crash leaves nothing behind); elsewhere it goes through a temporary
    // name beside target. overwrite false fails when target exists, checked
    // in the same step that names the copy.
    static void copy(const QString& source, const QString& target, bool overwrite,
                     Via via = Via::UnnamedFileWherePossible);

    // Copies source to a new temporary file beside target; gives its path.
    static QString toTemporary(const QString& source, const QString& target, Source kind = Source::AnyFile);

    // A name for a temporary file beside target: hidden, with a random part.
    static QString temporaryBeside(const QString& target);
};

} // namespace store
