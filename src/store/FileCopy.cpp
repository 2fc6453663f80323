#include "store/FileCopy.h"

#include "gw/Error.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

// A file descriptor closed when it goes out of scope.
class Descriptor
{
public:
    explicit Descriptor(int fd) : m_fd(fd) { }
    ~Descriptor()
    {
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return m_fd; }
    // Closes now; false when the close reported an error (a write that failed late).
    bool close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// The failure of the last system call on the way to `target`.
FileCopy::WriteError writeError(const QString& target, int error = errno)
{
    return FileCopy::WriteError(
        QStringLiteral("Cannot write %1: %2").arg(target, QString::fromLocal8Bit(std::strerror(error))), error);
}

gw::Error existsError(const QString& target)
{
    return gw::Error(QStringLiteral("A file already exists at %1").arg(target));
}

int openSource(const QString& source, FileCopy::Source kind = FileCopy::Source::AnyFile)
{
    if (kind == FileCopy::Source::AnyFile) {
        const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            throw gw::Error(QStringLiteral("Cannot read %1: %2").arg(source, systemError()));
        }
        return fd;
    }
    // The link is refused by the open itself, so no link put in place after a look can slip
    // through; O_NONBLOCK keeps a FIFO from holding the open until a writer comes.
    const int fd = ::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        if (errno == ELOOP) {
            throw gw::Error(QStringLiteral("Cannot read %1: it is a symbolic link, not a file").arg(source));
        }
        throw gw::Error(QStringLiteral("Cannot read %1: %2").arg(source, systemError()));
    }
    struct stat info;
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        throw gw::Error(QStringLiteral("Cannot read %1: it is not a regular file").arg(source));
    }
    return fd;
}

// Copies everything from `in` to `out`. The kernel copies within itself where
// it can (copy_file_range); otherwise the bytes go through one buffer.
bool copyContents(int in, int out)
{
#ifdef Q_OS_LINUX
    for (;;) {
        const ssize_t n = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            // Not for these two files (another file system, an old kernel): copy by hand
            // from where the kernel stopped; both offsets stand at the bytes copied.
            if (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP) {
                break;
            }
            return false;
        }
    }
#endif
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n == 0) {
            return true;
        }
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        for (ssize_t done = 0; done < n;) {
            const ssize_t written = ::write(out, buffer.data() + done, static_cast<size_t>(n - done));
            if (written < 0 && errno != EINTR) {
                return false;
            }
            done += written > 0 ? written : 0;
        }
    }
}

#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
// Gives the unnamed file `fd` the name `path`; errno tells why not.
bool link(int fd, const QByteArray& path)
{
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(fd);
    return ::linkat(AT_FDCWD, self.constData(), AT_FDCWD, path.constData(), AT_SYMLINK_FOLLOW) == 0;
}

enum class Unnamed { Done, Unsupported };

// The copy through an unnamed file; Unsupported, with nothing left behind,
// when the file system has no unnamed files or there is no /proc to name one.
Unnamed copyUnnamed(const QString& source, const QString& target, bool overwrite)
{
    const QByteArray targetPath = QFile::encodeName(target);
    const QByteArray directory = QFile::encodeName(QFileInfo(target).absolutePath());
    Descriptor in(openSource(source));
    Descriptor out(::open(directory.constData(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        if (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL) {
            return Unnamed::Unsupported;
        }
        throw writeError(target);
    }
    if (!copyContents(in.get(), out.get())) {
        throw gw::Error(QStringLiteral("Cannot copy %1 to %2: %3").arg(source, target, systemError()));
    }
    if (link(out.get(), targetPath)) {
        if (!out.close()) {
            const QString reason = systemError();
            ::unlink(targetPath.constData());
            throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, reason));
        }
        return Unnamed::Done;
    }
    if (errno != EEXIST) {
        return Unnamed::Unsupported; // no /proc to name it through; the named way reports any other error
    }
    if (!overwrite) {
        throw existsError(target);
    }
    // The target exists: name the copy beside it, then rename it over the target.
    const QByteArray temporary = QFile::encodeName(FileCopy::temporaryBeside(target));
    if (!link(out.get(), temporary)) {
        throw writeError(target);
    }
    if (!out.close() || std::rename(temporary.constData(), targetPath.constData()) != 0) {
        const QString reason = systemError();
        ::unlink(temporary.constData());
        throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, reason));
    }
    return Unnamed::Done;
}
#endif

} // namespace

QString FileCopy::temporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp")
                                           .arg(info.fileName())
                                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

QString FileCopy::toTemporary(const QString& source, const QString& target, Source kind)
{
    Descriptor in(openSource(source, kind));
    const QString temporary = temporaryBeside(target);
    const QByteArray temporaryPath = QFile::encodeName(temporary);
    Descriptor out(::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        throw writeError(target);
    }
    if (!copyContents(in.get(), out.get())) {
        const int error = errno;
        out.close();
        ::unlink(temporaryPath.constData());
        throw FileCopy::WriteError(QStringLiteral("Cannot copy %1 to %2: %3")
                                       .arg(source, target, QString::fromLocal8Bit(std::strerror(error))),
                                   error);
    }
    if (!out.close()) {
        const int error = errno;
        ::unlink(temporaryPath.constData());
        throw writeError(target, error);
    }
    return temporary;
}

void FileCopy::copy(const QString& source, const QString& target, bool overwrite, Via via)
{
#if defined(Q_OS_LINUX) && defined(O_TMPFILE)
    if (via == Via::UnnamedFileWherePossible && copyUnnamed(source, target, overwrite) == Unnamed::Done) {
        return;
    }
#else
    Q_UNUSED(via)
#endif
    const QString temporary = toTemporary(source, target);
    if (overwrite) {
        // rename(2) replaces the target in one step: a reader sees the old or
        // the new file, never a mix.
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
            const QString reason = systemError();
            QFile::remove(temporary);
            throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, reason));
        }
        return;
    }
    // QFile::rename never replaces an existing file, so a file that appeared
    // meanwhile is kept as well.
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        throw existsError(target);
    }
}

} // namespace store
