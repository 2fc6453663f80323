#include "store/ContentFiles.h"

#include "gw/Error.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>
#include <vector>

namespace store {

namespace {

QString typeSuffix(const QString& fileType)
{
    QString suffix;
    for (const QChar c : fileType) {
        if (suffix.size() == 3) {
            break;
        }
        if ((c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            || (c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            suffix += c.toUpper();
        }
    }
    return suffix;
}

QString temporaryBeside(const QString& target)
{
    const QFileInfo info(target);
    return info.absoluteDir().filePath(QStringLiteral(".%1.%2.tmp")
                                           .arg(info.fileName())
                                           .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
}

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

// Copies source to a temporary file beside target; gives its path.
QString copyToTemporary(const QString& source, const QString& target)
{
    Descriptor in(::open(QFile::encodeName(source).constData(), O_RDONLY | O_CLOEXEC));
    if (in.get() < 0) {
        throw gw::Error(QStringLiteral("Cannot read %1: %2").arg(source, systemError()));
    }
    const QString temporary = temporaryBeside(target);
    const QByteArray temporaryPath = QFile::encodeName(temporary);
    Descriptor out(::open(temporaryPath.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (out.get() < 0) {
        throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, systemError()));
    }
    if (!copyContents(in.get(), out.get())) {
        const QString reason = systemError();
        out.close();
        ::unlink(temporaryPath.constData());
        throw gw::Error(QStringLiteral("Cannot copy %1 to %2: %3").arg(source, target, reason));
    }
    if (!out.close()) {
        const QString reason = systemError();
        ::unlink(temporaryPath.constData());
        throw gw::Error(QStringLiteral("Cannot write %1: %2").arg(target, reason));
    }
    return temporary;
}

} // namespace

ContentFiles::ContentFiles(const QString& directory) : m_directory(directory) { }

QString ContentFiles::freshName(const QString& fileType) const
{
    const QString suffix = typeSuffix(fileType);
    for (;;) {
        QString name = QStringLiteral("%1").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0'));
        name = name.toUpper();
        if (!suffix.isEmpty()) {
            name += QLatin1Char('.') + suffix;
        }
        if (!QFileInfo::exists(pathOf(name))) {
            return name;
        }
    }
}

QString ContentFiles::pathOf(const QString& name) const
{
    return QDir(m_directory).filePath(name);
}

QString ContentFiles::storeFile(const QString& source, const QString& fileType, qint64& size) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    for (int attempt = 0; attempt < 8; ++attempt) {
        const QString name = freshName(fileType);
        const QString temporary = copyToTemporary(source, pathOf(name));
        size = QFileInfo(temporary).size();
        if (QFile::rename(temporary, pathOf(name))) {
            return name;
        }
        QFile::remove(temporary);
    }
    throw gw::Error(QStringLiteral("Cannot store content in %1").arg(m_directory));
}

QString ContentFiles::storeBytes(const QByteArray& bytes, const QString& fileType, qint64& size) const
{
    if (!QDir().mkpath(m_directory)) {
        throw gw::Error(QStringLiteral("Cannot create the library directory %1").arg(m_directory));
    }
    const QString name = freshName(fileType);
    const QString temporary = temporaryBeside(pathOf(name));
    QFile out(temporary);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly) || out.write(bytes) != bytes.size() || !out.flush()) {
        out.close();
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot write content in %1").arg(m_directory));
    }
    out.close();
    if (!QFile::rename(temporary, pathOf(name))) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("Cannot store content in %1").arg(m_directory));
    }
    size = bytes.size();
    return name;
}

void ContentFiles::copyOut(const QString& source, const QString& target, bool overwrite)
{
    const auto missing
        = [&source] { return gw::Error(QStringLiteral("The version's file %1 is missing").arg(source)); };
    if (!overwrite && !QFileInfo::exists(source)) {
        throw missing();
    }
    if (!overwrite && QFileInfo::exists(target)) {
        throw gw::Error(QStringLiteral("A file already exists at %1").arg(target));
    }
    QString temporary;
    try {
        temporary = copyToTemporary(source, target);
    } catch (const gw::Error&) {
        // A copy that replaces its target skips the check beforehand: a missing
        // source is only looked for when the copy failed.
        if (!QFileInfo::exists(source)) {
            throw missing();
        }
        throw;
    }
    if (overwrite) {
        // rename(2) replaces the target in one step: a reader sees the old or
        // the new file, never a mix.
        if (std::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) != 0) {
            QFile::remove(temporary);
            throw gw::Error(QStringLiteral("Cannot write %1").arg(target));
        }
        return;
    }
    // QFile::rename never replaces an existing file, so a file that appeared
    // meanwhile is kept as well.
    if (!QFile::rename(temporary, target)) {
        QFile::remove(temporary);
        throw gw::Error(QStringLiteral("A file already exists at %1").arg(target));
    }
}

bool ContentFiles::salvage(const QString& path, const QString& deletorName)
{
    const QFileInfo info(path);
    if (!info.isFile()) {
        return false;
    }
    SalvageArea area(info.absolutePath());
    return area.deleteFile(info.fileName(), deletorName).has_value();
}

} // namespace store
