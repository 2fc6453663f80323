#include "SalvageScan.h"

#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"

namespace tw {

SalvageScan::SalvageScan(gw::FileServer& server, OperationLog& log, RunHost& host)
    : m_server(server), m_log(log), m_host(host)
{
}

SalvageScan::~SalvageScan()
{
    release();
}

bool SalvageScan::fitsSalvageName(const QString& name)
{
    return name.toLocal8Bit().size() <= 14;
}

bool SalvageScan::open(const QString& directory)
{
    quint32 directoryHandle = 0;
    QString relative;
    int code = m_server.NWParseNetWarePath(directory, m_connection, directoryHandle, relative);
    if (code != gw::FileServerOk) {
        m_log.NetWareErrorBox(code, QStringLiteral("NWParseNetWarePath"));
        return false;
    }
    code = m_server.NWAllocTemporaryDirectoryHandle(m_connection, directoryHandle, relative, m_handle);
    if (code != gw::FileServerOk) {
        m_log.NetWareErrorBox(code, QStringLiteral("NWAllocTemporaryDirectoryHandle"));
        return false;
    }
    m_open = true;
    m_iteration = -1;
    return true;
}

bool SalvageScan::next(gw::DeletedEntry& entry)
{
    if (!m_open)
        return false;
    m_host.pumpEvents();
    const int code = m_server.NWScanForDeletedFiles(m_connection, m_handle, m_iteration, entry);
    if (code == gw::FileServerOk)
        return true;
    if (code != gw::FileServerNoMoreEntries)
        m_log.NetWareErrorBox(code, QStringLiteral("NWScanForDeletedFiles"));
    return false;
}

bool SalvageScan::recover(const gw::DeletedEntry& entry)
{
    const int code = m_server.NWRecoverDeletedFile(m_connection, m_handle, entry.iterationHandle, entry.volumeNumber,
                                                   entry.directoryBase, entry.name, entry.name);
    if (code != gw::FileServerOk) {
        m_log.NetWareErrorBox(code, QStringLiteral("NWRecoverDeleteFile"));
        return false;
    }
    return true;
}

void SalvageScan::release()
{
    if (!m_open)
        return;
    m_open = false;
    const int code = m_server.NWDeallocateDirectoryHandle(m_connection, m_handle);
    if (code != gw::FileServerOk)
        m_log.NetWareErrorBox(code, QStringLiteral("NWDeallocateDirectoryHandle"));
}

} // namespace tw
