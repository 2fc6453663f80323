#include "LineFile.h"

#include "IoError.h"
#include "TabText.h"

#include <QFileInfo>
#include <QStringList>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace tw {

namespace {

QString absolute(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

} // namespace

bool LineFile::Identity::operator==(const Identity& other) const
{
    return device == other.device && inode == other.inode && mode == other.mode && owner == other.owner
        && group == other.group;
}

LineFile::~LineFile()
{
    // Every line is already written; a failing close has nobody left to tell.
    m_file.close();
}

void LineFile::append(const QString& path, const QStringList& lines, const QStringList& header)
{
    LineFile file;
    file.write(path, lines, header);
    file.close();
}

void LineFile::write(const QString& path, const QStringList& lines, const QStringList& header)
{
    bool isNew = false;
    const bool checkPath = m_pathCheck == PathCheck::EveryWrite || m_checkDue;
    m_checkDue = false;
    if (!m_file.isOpen() || m_file.fileName() != path || (checkPath && !pathStillNamesOpenFile())) {
        close();
        isNew = open(path);
    }
    put(lines, header, isNew);
    if (openFileHasNoName()) {
        // Removed since it was opened: these lines went where nobody can read them. They
        // are written again into a new file at the path, which starts with its head.
        close();
        put(lines, header, open(path));
        if (openFileHasNoName()) {
            m_file.close();
            throw IoError(QStringLiteral("The file ") + absolute(path)
                          + QStringLiteral(" was removed while it was written"));
        }
    }
    // A file whose identity cannot be checked is not held: it is opened anew for every write.
    if (!m_identified)
        close();
}

void LineFile::put(const QStringList& lines, const QStringList& header, bool isNew)
{
    QByteArray bytes;
    const auto add = [&bytes](const QString& line) {
        // A CR or LF inside a line (from a value read from the library) would split it in two.
        bytes += TabText::line(line).toLocal8Bit();
        bytes += "\r\n";
    };
    if (isNew) {
        const QStringList head = header.isEmpty() && m_newFileHeader ? m_newFileHeader() : header;
        for (const QString& line : head)
            add(line);
    }
    for (const QString& line : lines)
        add(line);
    // Unbuffered and opened for appending: one write system call at the end of the file.
    if (m_file.write(bytes) != bytes.size())
        fail(QStringLiteral("Cannot write to the file %1: %2"));
}

void LineFile::close()
{
    if (!m_file.isOpen())
        return;
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        throw IoError(
            QStringLiteral("Cannot close the file %1: %2").arg(absolute(m_file.fileName()), m_file.errorString()));
    }
}

// Opens `path` for appending; true when the file did not exist before.
bool LineFile::open(const QString& path)
{
    m_file.setFileName(path);
    const bool isNew = !m_file.exists();
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered)) {
        throw IoError(
            QStringLiteral("Cannot open the file %1 for writing: %2").arg(absolute(path), m_file.errorString()));
    }
    m_nativePath = QFile::encodeName(path);
    m_identified = readIdentity(m_file.handle(), m_nativePath, &m_identity);
    return isNew;
}

bool LineFile::readIdentity(int handle, const QByteArray& path, Identity* identity)
{
#ifdef Q_OS_UNIX
    struct stat info;
    if ((handle >= 0 ? ::fstat(handle, &info) : ::stat(path.constData(), &info)) != 0)
        return false;
    *identity = Identity {static_cast<quint64>(info.st_dev), static_cast<quint64>(info.st_ino),
                          static_cast<quint32>(info.st_mode), static_cast<quint32>(info.st_uid),
                          static_cast<quint32>(info.st_gid)};
    return true;
#else
    Q_UNUSED(handle)
    Q_UNUSED(path)
    Q_UNUSED(identity)
    return false;
#endif
}

bool LineFile::pathStillNamesOpenFile() const
{
    // While the file is held open its inode cannot be reused, so the same
    // device and inode at the path mean the very file this object writes to.
    Identity atPath;
    return m_identified && readIdentity(-1, m_nativePath, &atPath) && atPath == m_identity;
}

bool LineFile::openFileHasNoName() const
{
#ifdef Q_OS_UNIX
    struct stat info;
    return m_identified && ::fstat(m_file.handle(), &info) == 0 && info.st_nlink == 0;
#else
    return false;
#endif
}

void LineFile::fail(const QString& text)
{
    const QString reason = m_file.errorString();
    m_file.close();
    throw IoError(text.arg(absolute(m_file.fileName()), reason));
}

} // namespace tw
