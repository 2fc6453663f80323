#include "ReadOnlyFolder.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tw::test {

namespace {

QString failure(const char* step)
{
    return QStringLiteral("%1 failed: %2").arg(QLatin1String(step), QString::fromLocal8Bit(std::strerror(errno)));
}

constexpr QFileDevice::Permissions kWrite
    = QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup | QFileDevice::WriteOther;

} // namespace

ReadOnlyFolder::ReadOnlyFolder(const QString& path) : m_path(path)
{
    if (::geteuid() != 0) {
        m_how = QStringLiteral("permissions");
        QStringList paths {path};
        for (QDirIterator it(path, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot,
                             QDirIterator::Subdirectories);
             it.hasNext();)
            paths.append(it.next());
        for (const QString& each : paths) {
            if (QFileInfo(each).isSymLink())
                continue;
            QFile::setPermissions(each, QFile::permissions(each) & ~kWrite);
            m_changed.append(each);
        }
        return;
    }
    m_how = QStringLiteral("read-only bind mount");
    const QByteArray native = QFile::encodeName(path);
    if (::unshare(CLONE_NEWNS) != 0) {
        m_reason = failure("unshare(CLONE_NEWNS)");
        return;
    }
    // Mounts made here stay in this process's namespace.
    if (::mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) {
        m_reason = failure("making the mounts private");
        return;
    }
    if (::mount(native.constData(), native.constData(), nullptr, MS_BIND | MS_REC, nullptr) != 0) {
        m_reason = failure("bind mount");
        return;
    }
    m_mounted = true;
    if (::mount(nullptr, native.constData(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0)
        m_reason = failure("read-only remount");
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_mounted)
        ::umount2(QFile::encodeName(m_path).constData(), MNT_DETACH);
    // Folders first from the deepest, so that each is writable again before its parent's turn.
    for (auto it = m_changed.crbegin(); it != m_changed.crend(); ++it)
        QFile::setPermissions(*it, QFile::permissions(*it) | QFileDevice::WriteOwner | QFileDevice::WriteUser);
}

} // namespace tw::test
