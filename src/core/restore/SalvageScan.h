#pragma once

#include "gw/FileServer.h"

#include <QString>

namespace tw {

class OperationLog;
class RunHost;

// A scan of one directory's salvage area through the file server: the directory is opened
// with a temporary handle, the deleted entries come one call at a time (the window served
// before each), and the handle is released at the end. Every failing call is shown through the
// log's error box with the call's name; the end of the entries is not a failure.
class SalvageScan
{
public:
    SalvageScan(gw::FileServer& server, OperationLog& log, RunHost& host);
    ~SalvageScan();

    // Opens `directory` (its absolute path); false after the error box when it cannot be.
    bool open(const QString& directory);
    // The next deleted entry; false at the end of the entries or after a failing call.
    bool next(gw::DeletedEntry& entry);
    // Brings `entry` back under its own name; false after the error box.
    bool recover(const gw::DeletedEntry& entry);

    // The salvage area keeps names in fields of 15 bytes: 14 characters and the terminating
    // zero. A longer name can never be one of its entries.
    static bool fitsSalvageName(const QString& name);

private:
    void release();

    gw::FileServer& m_server;
    OperationLog& m_log;
    RunHost& m_host;
    quint32 m_connection = 0;
    quint32 m_handle = 0;
    bool m_open = false;
    qint32 m_iteration = -1;
};

} // namespace tw
