#include "store/StoreOwner.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QRandomGenerator>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace store {

namespace {

const auto kNewSuffix = QStringLiteral(".new");

QString keyOf(const QString& directory)
{
    const QFileInfo info(directory);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

#ifdef Q_OS_UNIX
// Opens `path` and takes its lock without waiting; -1 when it is missing or held.
int lockedOrNone(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

bool heldByAnother(const QString& path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool held = ::flock(fd, LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

// Makes the entry under a hidden name, locks it, then gives it its name: no other program ever
// sees the entry unlocked while its program lives.
int makeEntry(const QString& folder, const QString& token)
{
    if (!QDir().mkpath(folder))
        return -1;
    const QByteArray making = QFile::encodeName(folder + QStringLiteral("/.") + token + kNewSuffix);
    const int fd = ::open(making.constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0)
        return -1;
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::write(fd, pid.constData(), size_t(pid.size())) != pid.size()
        || ::rename(making.constData(), QFile::encodeName(folder + QLatin1Char('/') + token).constData()) != 0) {
        ::unlink(making.constData());
        ::close(fd);
        return -1;
    }
    return fd;
}
#endif

} // namespace

QString StoreOwner::folderOf(const QString& directory)
{
    return QDir(directory).filePath(QStringLiteral("owners"));
}

StoreOwner::StoreOwner(QString directory, QString token, int descriptor)
    : m_directory(std::move(directory)), m_token(std::move(token)), m_descriptor(descriptor)
{
}

std::shared_ptr<StoreOwner> StoreOwner::claim(const QString& directory)
{
    static QMutex mutex;
    static QHash<QString, std::weak_ptr<StoreOwner>> owners;
    const QMutexLocker lock(&mutex);
    const QString key = keyOf(directory);
    if (auto existing = owners.value(key).lock())
        return existing;
    const QString token = QStringLiteral("%1%2")
                              .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'))
                              .arg(QRandomGenerator::system()->generate(), 8, 16, QLatin1Char('0'));
    int descriptor = -1;
#ifdef Q_OS_UNIX
    descriptor = makeEntry(folderOf(directory), token);
#endif
    std::shared_ptr<StoreOwner> owner(new StoreOwner(directory, token, descriptor));
    owners.insert(key, owner);
    return owner;
}

StoreOwner::~StoreOwner()
{
#ifdef Q_OS_UNIX
    if (m_descriptor >= 0) {
        ::unlink(QFile::encodeName(folderOf(m_directory) + QLatin1Char('/') + m_token).constData());
        ::close(m_descriptor);
    }
#endif
}

StoreOwner::Others StoreOwner::others() const
{
    Others others;
#ifdef Q_OS_UNIX
    const QDir folder(folderOf(m_directory));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        QString token = name;
        if (token.startsWith(QLatin1Char('.')) && token.endsWith(kNewSuffix))
            token = token.mid(1, token.size() - 1 - kNewSuffix.size());
        if (token == m_token)
            continue;
        const int fd = lockedOrNone(folder.filePath(name));
        if (fd >= 0)
            others.gone.emplace_back(token, folder.filePath(name), fd);
        else if (QFileInfo::exists(folder.filePath(name)))
            others.anyAlive = true;
    }
#else
    // Without the system's file locks nobody can tell a program that is gone.
    others.anyAlive = true;
#endif
    return others;
}

bool StoreOwner::isAlive(const QString& token) const
{
    if (token == m_token)
        return true;
#ifdef Q_OS_UNIX
    const QString folder = folderOf(m_directory);
    return heldByAnother(folder + QLatin1Char('/') + token)
        || heldByAnother(folder + QStringLiteral("/.") + token + kNewSuffix);
#else
    return true;
#endif
}

bool StoreOwner::inUse(const QString& directory)
{
#ifdef Q_OS_UNIX
    const QDir folder(folderOf(directory));
    for (const QString& name : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (heldByAnother(folder.filePath(name)))
            return true;
    }
    return false;
#else
    return QDir(folderOf(directory)).exists();
#endif
}

void StoreOwner::markForLookOver(const QString& directory)
{
    QDir().mkpath(folderOf(directory));
    QFile mark(folderOf(directory) + QStringLiteral("/look-over"));
    if (mark.open(QIODevice::WriteOnly))
        mark.write("left by a change of the store's layout\n");
}

StoreOwner::Gone::Gone(QString token, QString path, int descriptor)
    : m_token(std::move(token)), m_path(std::move(path)), m_descriptor(descriptor)
{
}

StoreOwner::Gone::Gone(Gone&& other) noexcept
    : m_token(std::move(other.m_token)), m_path(std::move(other.m_path)), m_descriptor(other.m_descriptor)
{
    other.m_descriptor = -1;
}

StoreOwner::Gone::~Gone()
{
#ifdef Q_OS_UNIX
    if (m_descriptor >= 0)
        ::close(m_descriptor);
#endif
}

void StoreOwner::Gone::forget()
{
    QFile::remove(m_path);
}

} // namespace store
