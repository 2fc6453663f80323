#include "FileServer.h"

#include "gw/Error.h"
#include "store/Store.h"
#include "store/salvage/DosName.h"
#include "store/salvage/FileServerCode.h"
#include "store/salvage/SalvageArea.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace store {

namespace {

// A directory the server can name: absolute, existing, and not itself a salvage area.
bool isServedDirectory(const QString& path)
{
    const QFileInfo info(path);
    return info.isAbsolute() && info.isDir() && info.fileName() != SalvageArea::folderName();
}

} // namespace

FileServer::FileServer(std::shared_ptr<Store> store) : m_store(std::move(store)) { }

int FileServer::faultCode(const char* call) const
{
    if (!m_store || !m_store->faults().any())
        return FileServerCode::Ok;
    try {
        FaultPoint point;
        point.member = QLatin1String(call);
        m_store->faults().check(point);
    } catch (const gw::Error& e) {
        bool ok = false;
        const int code = e.message().trimmed().toInt(&ok, 0);
        return ok && code != 0 ? code : FileServerCode::NoMoreEntries;
    }
    return FileServerCode::Ok;
}

quint32 FileServer::directoryBaseOf(const QString& directory)
{
    return static_cast<quint32>(qHash(QFileInfo(directory).canonicalFilePath()));
}

bool FileServer::withinServerArea(const QString& absolutePath)
{
    QString current = QDir::cleanPath(absolutePath);
    while (!current.isEmpty()) {
        const QFileInfo here(current);
        if (here.fileName() == SalvageArea::folderName() || Store::exists(current))
            return true;
        const QString parent = here.absolutePath();
        if (parent == current)
            break;
        current = parent;
    }
    return false;
}

bool FileServer::IsServerArea(const QString& path)
{
    if (path.trimmed().isEmpty())
        return false;
    const QFileInfo given(QDir::fromNativeSeparators(path));
    if (withinServerArea(given.absoluteFilePath()))
        return true;
    // The folder the path lies in, with its links resolved; the last name itself may be a link
    // (a link is deleted, never its target), so only the folders above it are followed.
    const QString folder = QFileInfo(given.absolutePath()).canonicalFilePath();
    return !folder.isEmpty() && withinServerArea(folder + QLatin1Char('/') + given.fileName());
}

int FileServer::NWParseNetWarePath(const QString& path, quint32& connection, quint32& directoryHandle,
                                   QString& relativePath)
{
    if (const int fault = faultCode("NWParseNetWarePath"))
        return fault;
    QString cleaned = QDir::cleanPath(QDir::fromNativeSeparators(path));
    if (path.trimmed().isEmpty() || !isServedDirectory(cleaned))
        return FileServerCode::InvalidPath;
    connection = Connection;
    directoryHandle = 0;
    relativePath = QFileInfo(cleaned).canonicalFilePath();
    return FileServerCode::Ok;
}

bool FileServer::resolveHandle(quint32 connection, quint32 handle, QString& directory, int& code) const
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

int FileServer::NWAllocTemporaryDirectoryHandle(quint32 connection, quint32 directoryHandle,
                                                const QString& relativePath, quint32& temporaryHandle)
{
    if (const int fault = faultCode("NWAllocTemporaryDirectoryHandle"))
        return fault;
    QString base;
    int code = FileServerCode::Ok;
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
    if (m_handles.size() >= MaxHandles)
        return FileServerCode::NoMoreDirectoryHandles;
    quint32 handle = 1;
    while (m_handles.contains(handle))
        ++handle;
    m_handles.insert(handle, QFileInfo(cleaned).canonicalFilePath());
    temporaryHandle = handle;
    return FileServerCode::Ok;
}

int FileServer::NWScanForDeletedFiles(quint32 connection, quint32 temporaryHandle, qint32& iterationHandle,
                                      gw::DeletedEntry& entry)
{
    if (const int fault = faultCode("NWScanForDeletedFiles"))
        return fault;
    QString directory;
    int code = FileServerCode::Ok;
    if (!resolveHandle(connection, temporaryHandle, directory, code))
        return code;
    const SalvageArea area(directory);
    if (iterationHandle < 0 || !m_scans.contains(temporaryHandle))
        m_scans.insert(temporaryHandle, area.sequences());
    const std::vector<quint32>& listed = m_scans[temporaryHandle];
    const quint32 after = iterationHandle < 0 ? 0 : quint32(iterationHandle);
    std::optional<SalvageEntry> next;
    // An entry recovered since the scan started is passed over.
    for (auto it = std::upper_bound(listed.begin(), listed.end(), after); it != listed.end() && !next; ++it)
        next = area.entry(*it);
    if (!next)
        return FileServerCode::NoMoreEntries;
    iterationHandle = qint32(next->sequence);
    entry.name = next->dosName;
    entry.volumeNumber = 0;
    entry.directoryBase = directoryBaseOf(directory);
    entry.iterationHandle = iterationHandle;
    entry.deletedAt = next->deletedAt;
    entry.deletorName = next->deletedBy;
    return FileServerCode::Ok;
}

int FileServer::NWRecoverDeletedFile(quint32 connection, quint32 temporaryHandle, qint32 iterationHandle,
                                     quint32 volumeNumber, quint32 directoryBase, const QString& deletedName,
                                     const QString& recoverName)
{
    if (const int fault = faultCode("NWRecoverDeletedFile"))
        return fault;
    QString directory;
    int code = FileServerCode::Ok;
    if (!resolveHandle(connection, temporaryHandle, directory, code))
        return code;
    if (!DosName::isValid(recoverName))
        return FileServerCode::InvalidPath;
    SalvageArea area(directory);
    const auto entry = iterationHandle > 0 ? area.entry(quint32(iterationHandle)) : std::nullopt;
    if (!entry || volumeNumber != 0 || directoryBase != directoryBaseOf(directory)
        || entry->dosName.compare(deletedName, Qt::CaseInsensitive) != 0)
        return FileServerCode::NoSuchEntry;
    switch (area.recover(entry->sequence, recoverName)) {
    case SalvageArea::RecoverResult::Recovered:
        return FileServerCode::Ok;
    case SalvageArea::RecoverResult::NameExists:
        return FileServerCode::AllNamesExist;
    case SalvageArea::RecoverResult::BadName:
        return FileServerCode::InvalidPath;
    default:
        return FileServerCode::NoSuchEntry;
    }
}

int FileServer::NWDeallocateDirectoryHandle(quint32 connection, quint32 temporaryHandle)
{
    if (const int fault = faultCode("NWDeallocateDirectoryHandle"))
        return fault;
    if (connection != Connection)
        return FileServerCode::InvalidConnection;
    m_scans.remove(temporaryHandle);
    if (!m_handles.remove(temporaryHandle))
        return FileServerCode::BadDirectoryHandle;
    return FileServerCode::Ok;
}

} // namespace store
