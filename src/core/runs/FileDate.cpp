#include "FileDate.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#endif

namespace tw {

QDateTime FileDate::versionDate(const QDateTime& created, const QDateTime& retrieved)
{
    if (retrieved.isNull())
        return created;
    if (created.isNull() || retrieved > created)
        return retrieved;
    return created;
}

bool FileDate::redate(const QString& path, const QDateTime& when)
{
    if (!when.isValid())
        return false;
    // Last-write times keep two-second steps: the time is rounded down to an even second.
    const qint64 seconds = when.toSecsSinceEpoch();
    const qint64 even = seconds - (((seconds % 2) + 2) % 2);
#ifdef Q_OS_UNIX
    // Set by name, in one call: the access time stays as it is.
    const struct timespec times[2] = {{0, UTIME_OMIT}, {static_cast<time_t>(even), 0}};
    return ::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0) == 0;
#else
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    const bool dated
        = file.setFileTime(QDateTime::fromSecsSinceEpoch(even, Qt::UTC), QFileDevice::FileModificationTime);
    file.close();
    return dated;
#endif
}

} // namespace tw
