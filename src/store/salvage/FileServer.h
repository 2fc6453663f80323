#pragma once

#include "store/salvage/DeletedEntry.h"

#include <QHash>
#include <QString>

namespace store {

// The file server's client for the salvage calls: paths are parsed into a connection, a
// directory handle and a relative path; temporary directory handles name a directory; its
// salvage area is scanned one deleted entry per call and an entry recovered under a name.
// Every call returns 0 or a FileServerCode. One object is one client: handles are its own.
class FileServer
{
public:
    static constexpr quint32 Connection = 1;
    static constexpr quint32 StartIteration = 0xFFFFFFFFu;

    quint32 NWParseNetWarePath(const QString& path, quint32& connection, quint32& directoryHandle,
                               QString& relativePath) const;
    quint32 NWAllocTemporaryDirectoryHandle(quint32 connection, quint32 directoryHandle, const QString& relativePath,
                                            quint32& newHandle);
    // `iteration` starts at StartIteration and is advanced past the entry returned.
    quint32 NWScanForDeletedFiles(quint32 connection, quint32 directoryHandle, quint32& iteration,
                                  quint32& volumeNumber, quint32& directoryBase, DeletedEntry& entry) const;
    quint32 NWRecoverDeletedFile(quint32 connection, quint32 directoryHandle, quint32 iteration, quint32 volumeNumber,
                                 quint32 directoryBase, const QString& deletedName, const QString& recoverName);
    quint32 NWDeallocateDirectoryHandle(quint32 connection, quint32 directoryHandle);

    int openHandleCount() const { return m_handles.size(); }

private:
    static constexpr quint32 MaxHandles = 255;
    static quint32 directoryBaseOf(const QString& directory);
    bool resolveHandle(quint32 connection, quint32 handle, QString& directory, quint32& code) const;

    QHash<quint32, QString> m_handles;
};

} // namespace store
