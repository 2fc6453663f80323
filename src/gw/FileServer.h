#pragma once

#include "gw/DeletedEntry.h"

#include <QString>

namespace gw {

// File-server result codes.
enum FileServerCode {
    FileServerOk = 0,
    FileServerNoMoreEntries = 0x89FF, // end of a deleted-entry scan
    FileServerBadDirectoryHandle = 0x899B,
    FileServerInvalidPath = 0x899C,
    FileServerNameExists = 0x8992,
    FileServerNoSuchEntry = 0x89FE,
};

// The network file server's salvage calls. Every call returns 0 or a
// file-server code.
class FileServer
{
public:
    virtual ~FileServer() = default;
    virtual int NWParseNetWarePath(const QString& path, quint32& connection, quint32& directoryHandle,
                                   QString& relativePath)
        = 0;
    virtual int NWAllocTemporaryDirectoryHandle(quint32 connection, quint32 directoryHandle,
                                                const QString& relativePath, quint32& temporaryHandle)
        = 0;
    // One deleted entry per call, starting with iterationHandle -1; the handle
    // is advanced. FileServerNoMoreEntries after the last entry.
    virtual int NWScanForDeletedFiles(quint32 connection, quint32 temporaryHandle, qint32& iterationHandle,
                                      DeletedEntry& entry)
        = 0;
    // Brings a deleted entry back under recoverName in its directory; fails
    // rather than overwrite an existing file.
    virtual int NWRecoverDeletedFile(quint32 connection, quint32 temporaryHandle, qint32 iterationHandle,
                                     quint32 volumeNumber, quint32 directoryBase, const QString& deletedName,
                                     const QString& recoverName)
        = 0;
    virtual int NWDeallocateDirectoryHandle(quint32 connection, quint32 temporaryHandle) = 0;

    // True for a path in an area the server keeps for itself: a library store's folder (its
    // database and the documents' content files) or any directory's salvage area, at any depth.
    // A tool that walks users' folders never enters such an area and never deletes in it.
    virtual bool IsServerArea(const QString& path) = 0;
};

} // namespace gw
