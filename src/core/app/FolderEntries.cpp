#include "FolderEntries.h"

#include "EscapedText.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#else
#include <QDirIterator>
#endif

namespace tw {

QString FolderEntry::shown() const
{
    return plain ? name : EscapedText::of(bytes);
}

#ifdef Q_OS_UNIX

struct FolderEntries::Reader
{
    DIR* dir = nullptr;
    ~Reader()
    {
        if (dir)
            ::closedir(dir);
    }
};

FolderEntries::FolderEntries(const QString& directory) : m_reader(std::make_unique<Reader>())
{
    m_reader->dir = ::opendir(QFile::encodeName(directory).constData());
}

bool FolderEntries::next(FolderEntry* entry)
{
    if (!m_reader->dir)
        return false;
    for (;;) {
        const dirent* raw = ::readdir(m_reader->dir);
        if (!raw)
            return false;
        const QByteArray bytes(raw->d_name);
        if (bytes == "." || bytes == "..")
            continue;
        entry->bytes = bytes;
        entry->plain = EscapedText::isPlain(bytes);
        entry->name = entry->plain ? QFile::decodeName(bytes) : QString::fromUtf8(bytes);
        // As the directory listing of QDir tells it: a link to a folder counts as a folder.
        struct stat info;
        entry->directory = ::fstatat(::dirfd(m_reader->dir), raw->d_name, &info, 0) == 0 && S_ISDIR(info.st_mode);
        return true;
    }
}

#else

// Where the file system names its entries in Unicode, every name has its text.
struct FolderEntries::Reader
{
    explicit Reader(const QString& directory)
        : it(directory, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
    {
    }
    QDirIterator it;
};

FolderEntries::FolderEntries(const QString& directory) : m_reader(std::make_unique<Reader>(directory)) { }

bool FolderEntries::next(FolderEntry* entry)
{
    if (!m_reader->it.hasNext())
        return false;
    m_reader->it.next();
    entry->name = m_reader->it.fileName();
    entry->bytes = entry->name.toUtf8();
    entry->plain = EscapedText::isPlain(entry->bytes);
    entry->directory = m_reader->it.fileInfo().isDir();
    return true;
}

#endif

FolderEntries::~FolderEntries() = default;

} // namespace tw
