// A program that runs one operation of the program against a store until a kill test kills
// it; the test judges the store, the files and the report it leaves behind.
//   run_kill_child checkout STORE LIBRARY CHECKOUTDIR REPORTDIR
//   run_kill_child checkin STORE LIBRARY CHECKINDIR LOGDIR
//   run_kill_child clearflags STORE LIBRARY CHECKOUTDIR REPORTDIR   (the checked-out versions checked in)
//   run_kill_child rightsedit STORE LIBRARY EDITLISTDIR REPORTDIR
//   run_kill_child denyremoval STORE LIBRARY REPORTDIR LOGDIR   (full rights report, denies removed)
//   run_kill_child restore STORE LIBRARY WORKDIR LOGDIR   (every version 1 gets its first content back)
//   run_kill_child straydelete STORE LIBRARY TOPDIR LOGDIR   (scan, then delete what is marked)
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/lists/ResultSink.h"
#include "core/maint/CheckInDocs.h"
#include "core/maint/CheckOutDocs.h"
#include "core/maint/ClearCheckOut.h"
#include "core/query/QueryRunner.h"
#include "core/restore/HistoryRow.h"
#include "core/restore/RestoreFile.h"
#include "core/rights/EditList.h"
#include "core/rights/FEditRDocs.h"
#include "core/rights/FRightsDocs.h"
#include "core/runs/NullRunView.h"
#include "core/strays/StrayDelete.h"
#include "core/strays/StrayScan.h"
#include "gw/ObjectModel.h"
#include "store/StorePlatform.h"
#include "support/ScriptedHost.h"

#include <QCoreApplication>
#include <cstdio>
#include <map>

namespace {

struct Child
{
    store::StorePlatform& platform;
    tw::RunServices services;
    tw::test::ScriptedHost& host;
    QString first; // the first directory argument
    QString second; // the second
};

tw::MaintInputs maintInputs(const Child& c)
{
    tw::MaintInputs inputs;
    inputs.run.useQuery = false;
    inputs.run.reportDirectory = c.second + QLatin1Char('/');
    inputs.checkOutDirectory = c.first + QLatin1Char('/');
    return inputs;
}

// Rows kept for the deletion that follows the scan.
struct KeptRows : tw::ResultSink
{
    void clearRows() override { rows.clear(); }
    void addRow(tw::ResultRow row) override { rows.push_back(std::move(row)); }
    std::vector<tw::ResultRow> rows;
};

struct NoScanView : tw::StrayScanView
{
    void setCurrentDirectory(const QString&) override { }
    void setCurrentFile(const QString&) override { }
    void resetCounters() override { }
    void addToCounter(tw::StrayCounter, qint64) override { }
};

// The Restore tab's restore of each document's version 1 from the file its creation event names.
void restoreEach(Child& c)
{
    const auto server = c.platform.CreateFileServer();
    tw::RestoreFile restore(c.services, [server] { return server; });
    const qint64 next = c.services.refs.selectedLibrary->NextDocumentNumber();
    for (qint64 n = 1; n < next; ++n) {
        auto version = c.services.refs.selectedLibrary->GetDocument(QString::number(n))->DocumentVersions()->Item(1);
        tw::HistoryRow row;
        row.file = version->DocumentVersionEvents()->Item(1)->FileName();
        c.host.yesNoAnswers.enqueue(true);
        restore.BRestoreClick(QString::number(n), QStringLiteral("1"), row);
    }
}

void deleteStrays(Child& c)
{
    const auto server = c.platform.CreateFileServer();
    NoScanView view;
    KeptRows kept;
    tw::StrayScan scan(c.services, view, kept, *server);
    scan.setPauseForTesting(0);
    scan.ScanFiles(c.first, true);
    tw::deleteMarkedStrays({[&kept] { return int(kept.rows.size()); },
                            [&kept](int i) -> const tw::ResultRow& { return kept.rows.at(size_t(i)); }},
                           c.services, *server);
}

const std::map<QString, std::function<void(Child&)>> kModes = {
    {QStringLiteral("checkout"), [](Child& c) { tw::CheckOutDocs(c.services).BCheckOutClick(maintInputs(c)); }},
    {QStringLiteral("checkin"), [](Child& c) { tw::CheckInDocs(c.services).BCheckInClick(c.first + '/'); }},
    {QStringLiteral("clearflags"), [](Child& c) { tw::ClearCheckOut(c.services).ClearCheckOutRun(maintInputs(c)); }},
    {QStringLiteral("rightsedit"),
     [](Child& c) {
         tw::EditList list;
         list.load(c.first + QStringLiteral("/EditList.txt"));
         tw::RunInputs inputs;
         inputs.useQuery = false;
         inputs.reportDirectory = c.second + QLatin1Char('/');
         tw::FEditRDocs(c.services, list).FEditRDocsRun(inputs);
     }},
    {QStringLiteral("denyremoval"),
     [](Child& c) {
         KeptRows noList;
         tw::RunInputs inputs;
         inputs.useQuery = false;
         inputs.reportDirectory = c.first + QLatin1Char('/');
         tw::FRightsDocs(c.services, noList).FRightsDocsRun(inputs, {true, true});
     }},
    {QStringLiteral("restore"), restoreEach},
    {QStringLiteral("straydelete"), deleteStrays},
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    const auto mode = args.size() == 6 ? kModes.find(args.at(1)) : kModes.end();
    if (mode == kModes.end()) {
        std::fprintf(stderr, "usage: run_kill_child MODE STORE LIBRARY DIR DIR (see the source for the modes)\n");
        return 2;
    }
    try {
        store::StorePlatform platform(args.at(2));
        tw::GwRefs refs;
        refs.session = platform.CreateSession();
        refs.account = refs.session->Login(QString(), QString(), QString(), 0);
        const auto libraries = refs.account->DocumentLibraries();
        for (int i = 1; i <= libraries->Count(); ++i) {
            if (libraries->Item(i)->Name() == args.at(3))
                refs.selectedLibrary = libraries->Item(i);
        }
        tw::test::ScriptedHost host;
        tw::RunState state;
        tw::CustomFields custom;
        tw::NullRunView view;
        tw::OperationLog log(args.at(5), QStringLiteral("Run_kill_child (1.0)"), &host);
        tw::FieldCatalogue catalogue(refs, log, host, [] { return false; });
        tw::QueryRunner queryRunner(refs, state, log, host, [] { return QStringLiteral("DOCREFERENCE"); });
        Child child {
            platform,
            {refs, state, log, host, view, queryRunner, catalogue, custom, QStringLiteral("Run_kill_child (1.0)")},
            host,
            args.at(4),
            args.at(5)};
        std::printf("started\n");
        std::fflush(stdout);
        mode->second(child);
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
