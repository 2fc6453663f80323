#pragma once

#include "gw/FileServer.h"

#include <QHash>
#include <QString>
#include <memory>
#include <vector>

namespace store {

class Store;

// The file server's client for the salvage calls: paths are parsed into a connection, a
// directory handle and a relative path; temporary directory handles name a directory; its
// salvage area is scanned one deleted entry per call and an entry recovered under a name.
// Every call returns 0 or a FileServerCode. One object is one client: handles are its own.
//
// With a store, a fault rule on a call's name makes that call return the rule's message read
// as a code ("0x8998" or decimal; 0x89FF when it is not a number), so that every failure path
// of a restore can be driven.
class FileServer : public gw::FileServer
{
public:
    static constexpr quint32 Connection = 1;

    explicit FileServer(std::shared_ptr<Store> store = nullptr);

    int NWParseNetWarePath(const QString& path, quint32& connection, quint32& directoryHandle,
                           QString& relativePath) override;
    int NWAllocTemporaryDirectoryHandle(quint32 connection, quint32 directoryHandle, const QString& relativePath,
                                        quint32& temporaryHandle) override;
    // `iterationHandle` starts at -1 and is advanced to the entry returned.
    int NWScanForDeletedFiles(quint32 connection, quint32 temporaryHandle, qint32& iterationHandle,
                              gw::DeletedEntry& entry) override;
    int NWRecoverDeletedFile(quint32 connection, quint32 temporaryHandle, qint32 iterationHandle, quint32 volumeNumber,
                             quint32 directoryBase, const QString& deletedName, const QString& recoverName) override;
    int NWDeallocateDirectoryHandle(quint32 connection, quint32 temporaryHandle) override;
    // Any store's folder (not only this client's) and any salvage area, by the path as given
    // and by the path its links lead to.
    bool IsServerArea(const QString& path) override;

    int openHandleCount() const { return m_handles.size(); }

private:
    static constexpr int MaxHandles = 255;
    static quint32 directoryBaseOf(const QString& directory);
    static bool withinServerArea(const QString& absolutePath);
    bool resolveHandle(quint32 connection, quint32 handle, QString& directory, int& code) const;
    int faultCode(const char* call) const;

    std::shared_ptr<Store> m_store;
    QHash<quint32, QString> m_handles;
    // The entries a handle's scan walks, listed once when the scan starts: reading the whole
    // area again for each entry made a scan of many entries take quadratic time.
    QHash<quint32, std::vector<quint32>> m_scans;
};

} // namespace store
