#include "StrayDelete.h"

#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/lists/ResultSink.h"
#include "core/runs/ChangeGate.h"
#include "core/runs/RunServices.h"
#include "gw/FileServer.h"

#include <QFile>
#include <QFileInfo>

namespace tw {

namespace {

bool isMarked(const ResultRow& row)
{
    return row.checked.value_or(false);
}

// Clears the read-only state of a file (not of a link's target) before it is deleted.
void makeWritable(const QString& path, const QFileInfo& file, OperationLog& log)
{
    if (file.isSymLink() || (file.permissions() & QFileDevice::WriteOwner))
        return;
    const bool reset = QFile::setPermissions(path, file.permissions() | QFileDevice::WriteOwner);
    log.ErrorCheck(QStringLiteral("Reset Read Only Flag on File ") + path
                       + (reset ? QString() : QStringLiteral(" Failed")),
                   true, false);
}

// The tests before the gate are the real run's, so a dry run names exactly the files it would delete.
void deleteOne(const ResultRow& row, OperationLog& log, gw::FileServer& server, const ChangeGate& gate)
{
    const QString path = row.texts.value(1) + row.texts.value(0);
    log.ErrorCheck(QStringLiteral("Deleting File ") + path, true, false);
    const QFileInfo file(path);
    if (!file.exists() && !file.isSymLink())
        return; // gone already
    if (server.IsServerArea(path)) {
        log.ErrorCheck(
            gate.outcome(QStringLiteral("File ") + path + QStringLiteral(" holds library content and was not deleted")),
            true, true);
        return;
    }
    if (QString::number(file.size()) != row.hidden || file.lastModified().toMSecsSinceEpoch() != row.stamp) {
        log.ErrorCheck(gate.outcome(QStringLiteral("File ") + path
                                    + QStringLiteral(" changed since the scan and was not deleted")),
                       true, true);
        return;
    }
    if (!gate.mayChange()) {
        log.ErrorCheck(gate.outcome(QStringLiteral("File ") + path + QStringLiteral(" deleted")), true, true);
        return;
    }
    makeWritable(path, file, log);
    if (QFile::remove(path))
        log.ErrorCheck(QStringLiteral("File ") + path + QStringLiteral(" deleted"), true, true);
    else
        log.ErrorCheck(QStringLiteral("File ") + path + QStringLiteral(" delete failed"), true, false);
}

} // namespace

MarkedTotals MarkedTotals::of(const StrayRows& rows)
{
    MarkedTotals totals;
    for (int i = 0, count = rows.count(); i < count; ++i) {
        const ResultRow& row = rows.at(i);
        if (isMarked(row)) {
            ++totals.files;
            totals.bytes += row.hidden.toLongLong();
        }
    }
    return totals;
}

void deleteMarkedStrays(const StrayRows& rows, const RunServices& services, gw::FileServer& server)
{
    OperationLog& log = services.log;
    const ChangeGate gate(services.state);
    log.ErrorCheck(gate.closing(QStringLiteral("Divavi Marked File Deletion Started")), true, true);
    for (int i = 0; i < rows.count(); ++i) {
        const ResultRow& row = rows.at(i);
        if (isMarked(row))
            deleteOne(row, log, server, gate);
        services.host.pumpEvents();
        if (services.state.CancelRequested) {
            log.ErrorCheck(gate.closing(QStringLiteral("Divavi Marked File Deletion Cancelled")), true, true);
            return;
        }
    }
    log.ErrorCheck(gate.closing(QStringLiteral("Divavi Marked File Deletion Completed")), true, true);
}

} // namespace tw
