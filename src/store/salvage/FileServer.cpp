#include "FileServer.h"

#include "store/salvage/DosName.h"
#include "store/salvage/FileServerCode.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFileInfo>

namespace store {

namespace {

// A directory the server can name: absolute, existing, and not itself a salvage area.
bool isServedDirectory(const QString& path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir() && info.fileName() != SalvageArea::folderName();
}

} // namespace

quint32 FileServer::directoryBaseOf(const QString& directory)
{
    return static_cast<quint32>(qHash(QFileInfo(directory).canonicalFilePath()));
}

quint32 FileServer::NWParseNetWarePath(const QString& path, quint32& connection, quint32& directoryHandle,
                                       QString& relativePath) const
{
    QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (path.trimmed().isEmpty() || !isServedDirectory(cleaned))
        return FileServerCode::InvalidPath;
    connection = Connection;
    directoryHandle = 0;
    relativePath = QFileInfo(cleaned).canonicalFilePath();
    return FileServerCode::Ok;
}

bool FileServer::resolveHandle(quint32 connection, quint32 handle, QString& directory, quint32& code) const
{
    if (connection != Connection) {
        code = FileServerCode::InvalidConnection;
        return false;
    }
    const auto found = m_handles.constFind(handle);
    if (found == m_handles.constEnd() || !QFileInfo(*found).isDir()) {
        code = FileServerCode::BadDirectoryHandle;
        return false;
    }
    directory = *found;
    return true;
}

quint32 FileServer::NWAllocTemporaryDirectoryHandle(quint32 connection, quint32 directoryHandle,
                                                    const QString& relativePath, quint32& newHandle)
{
    QString base;
    quint32 code = FileServerCode::Ok;
    if (directoryHandle == 0) {
        if (connection != Connection)
            return FileServerCode::InvalidConnection;
    } else if (!resolveHandle(connection, directoryHandle, base, code)) {
        return code;
    }
    const QString native = QDir::fromNativeSeparators(relativePath);
    const QString full = directoryHandle == 0 ? native : base + QLatin1Char('/') + native;
    const QString cleaned = QDir::cleanPath(full);
    if (!isServedDirectory(cleaned))
        return FileServerCode::InvalidPath;
    if (quint32(m_handles.size()) >= MaxHandles)
        return FileServerCode::NoMoreDirectoryHandles;
    quint32 handle = 1;
    while (m_handles.contains(handle))
        ++handle;
    m_handles.insert(handle, QFileInfo(cleaned).canonicalFilePath());
    newHandle = handle;
    return FileServerCode::Ok;
}

quint32 FileServer::NWScanForDeletedFiles(quint32 connection, quint32 directoryHandle, quint32& iteration,
                                          quint32& volumeNumber, quint32& directoryBase, DeletedEntry& entry) const
{
    QString directory;
    quint32 code = FileServerCode::Ok;
    if (!resolveHandle(connection, directoryHandle, directory, code))
        return code;
    const quint32 after = iteration == StartIteration ? 0 : iteration;
    const auto next = SalvageArea(directory).entryAfter(after);
    if (!next)
        return FileServerCode::NoMoreEntries;
    iteration = next->sequence;
    volumeNumber = 0;
    directoryBase = directoryBaseOf(directory);
    entry.name = next->dosName;
    entry.deletedAt = next->deletedAt;
    entry.deletedBy = next->deletedBy;
    entry.size = next->size;
    return FileServerCode::Ok;
}

quint32 FileServer::NWRecoverDeletedFile(quint32 connection, quint32 directoryHandle, quint32 iteration,
                                         quint32 volumeNumber, quint32 directoryBase, const QString& deletedName,
                                         const QString& recoverName)
{
    QString directory;
    quint32 code = FileServerCode::Ok;
    if (!resolveHandle(connection, directoryHandle, directory, code))
        return code;
    if (!DosName::isValid(recoverName))
        return FileServerCode::InvalidPath;
    SalvageArea area(directory);
    const auto entry = area.entry(iteration);
    if (!entry || volumeNumber != 0 || directoryBase != directoryBaseOf(directory)
        || entry->dosName.compare(deletedName, Qt::CaseInsensitive) != 0)
        return FileServerCode::Failure;
    switch (area.recover(iteration, recoverName)) {
    case SalvageArea::RecoverResult::Recovered:
        return FileServerCode::Ok;
    case SalvageArea::RecoverResult::NameExists:
        return FileServerCode::AllNamesExist;
    case SalvageArea::RecoverResult::BadName:
        return FileServerCode::InvalidPath;
    default:
        return FileServerCode::Failure;
    }
}

quint32 FileServer::NWDeallocateDirectoryHandle(quint32 connection, quint32 directoryHandle)
{
    if (connection != Connection)
        return FileServerCode::InvalidConnection;
    if (!m_handles.remove(directoryHandle))
        return FileServerCode::BadDirectoryHandle;
    return FileServerCode::Ok;
}

} // namespace store
