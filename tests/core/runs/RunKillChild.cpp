// A program that runs a mass check-out, a mass check-in or a rights edit against
// a store until a kill test kills it; the test judges the store, the files and
// the report it leaves behind.
//   run_kill_child checkout STORE LIBRARY CHECKOUTDIR REPORTDIR
//   run_kill_child checkin STORE LIBRARY CHECKINDIR LOGDIR
//   run_kill_child rightsedit STORE LIBRARY EDITLISTDIR REPORTDIR
//   run_kill_child denyremoval STORE LIBRARY REPORTDIR LOGDIR   (full rights report, denies removed)
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunState.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/lists/ResultSink.h"
#include "core/maint/CheckInDocs.h"
#include "core/maint/CheckOutDocs.h"
#include "core/query/QueryRunner.h"
#include "core/rights/EditList.h"
#include "core/rights/FEditRDocs.h"
#include "core/rights/FRightsDocs.h"
#include "core/runs/NullRunView.h"
#include "gw/ObjectModel.h"
#include "store/StorePlatform.h"
#include "support/ScriptedHost.h"

#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 6) {
        std::fprintf(stderr, "usage: run_kill_child checkout|checkin|rightsedit|denyremoval STORE LIBRARY DIR DIR\n");
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
        const tw::RunServices services {
            refs, state, log, host, view, queryRunner, catalogue, custom, QStringLiteral("Run_kill_child (1.0)")};
        std::printf("started\n");
        std::fflush(stdout);
        if (args.at(1) == QLatin1String("checkout")) {
            tw::MaintInputs inputs;
            inputs.run.useQuery = false;
            inputs.run.reportDirectory = args.at(5) + QLatin1Char('/');
            inputs.checkOutDirectory = args.at(4) + QLatin1Char('/');
            tw::CheckOutDocs(services).BCheckOutClick(inputs);
        } else if (args.at(1) == QLatin1String("rightsedit")) {
            tw::EditList list;
            list.load(args.at(4) + QStringLiteral("/EditList.txt"));
            tw::RunInputs inputs;
            inputs.useQuery = false;
            inputs.reportDirectory = args.at(5) + QLatin1Char('/');
            tw::FEditRDocs(services, list).FEditRDocsRun(inputs);
        } else if (args.at(1) == QLatin1String("denyremoval")) {
            struct NoList : tw::ResultSink
            {
                void clearRows() override { }
                void addRow(tw::ResultRow) override { }
            } noList;
            tw::RunInputs inputs;
            inputs.useQuery = false;
            inputs.reportDirectory = args.at(4) + QLatin1Char('/');
            tw::FRightsDocs(services, noList).FRightsDocsRun(inputs, {true, true});
        } else {
            tw::CheckInDocs(services).BCheckInClick(args.at(4) + QLatin1Char('/'));
        }
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
