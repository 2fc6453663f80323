// Benchmark of the Check In/Out tab's runs, each headless through the run classes and through the
// real window (offscreen and under xvfb-run), side by side in one program run:
// - the check-out of about 10 KB versions against `cp -r` of their content files;
// - the check-in of as many edited files (its 50 ms pause after every file taken off) against
//   `cp -r` of those files;
// - clearing the check-out flags of versions the logged-in user holds (versions per second);
// - the library reset report over a generated library whose versions have three events each,
//   against sqlite3 writing the same event rows as TSV.
// Run by hand: bench_maint [documents (100000)] [versions per document (3)] [check-out versions (10000)]
// [rounds (3)] [check-in files (1000)] [check-in rounds (1)] [runs (checkout,clear,checkin,reset)].
// With BENCH_HEADLESS set the window runs are left out (for profiling the runs themselves), and
// with BENCH_NO_PAUSE as well the headless check-in runs without its pauses; BENCH_GAPS lists
// every gap over 60 ms between event pumps.
#include "BenchWindow.h"
#include "core/maint/CheckInDocs.h"
#include "core/maint/CheckOutDocs.h"
#include "core/maint/ClearCheckOut.h"
#include "core/maint/LibReset.h"
#include "core/runs/NullRunView.h"
#include "store/Sql.h"

namespace {

using bench::quoted;
using bench::Session;

// The Check In/Out tab set up by a script: reports into `out`, the check-out directory `files`.
QString tabScript(const QString& library, const QString& out, const QString& field, const QString& files)
{
    QDir().mkpath(files); // the field's exit check wants it there
    return QStringLiteral("library %1\ntab Export\nset EDocOutputDir %2\nleave EDocOutputDir\ntab \"Check In/Out\"\n"
                          "choose RadioGroup7 \"Full Library\"\nset %3 %4\nleave %3\n")
        .arg(library, quoted(out), field, quoted(files));
}

tw::MaintInputs maintInputs(const QString& out)
{
    tw::MaintInputs inputs;
    inputs.run.useQuery = false;
    inputs.run.reportDirectory = out;
    inputs.checkOutDirectory = out + QStringLiteral("files/");
    return inputs;
}

// A store of generated documents opened to the person, with its session.
struct Bench
{
    Bench(const QString& root, const QString& library, qint64 documents, int versions)
        : path(root + QLatin1Char('/') + library.toLower() + QStringLiteral("-store"))
    {
        auto made = Session::generated(path, library, documents, versions);
        bench::openToThePerson(*made, library);
        session = std::make_unique<Session>(made, path, library);
    }
    tw::RunServices services(tw::RunView& view) { return session->services(session->log, Session::hostRef(), view); }
    qint64 personRow() { return session->store->userRow(tw::ProgramIdentity::WindowsUserName()); }

    QString path;
    std::unique_ptr<Session> session;
};

double copyTree(const QString& from, const QString& to)
{
    return bench::timeProcess(QStringLiteral("cp"), {QStringLiteral("-r"), from, to});
}

void checkOutBench(const QString& root, const bench::Arguments& a, bool xvfb)
{
    Bench b(root, QStringLiteral("CHECKOUT"), a.exportVersions, 1);
    bench::growContent(b.session->store->filesDirectory());
    const bench::RunKind kind {
        QStringLiteral("check-out"), [](const QString& out) { QDir().mkpath(out + QStringLiteral("files")); },
        [&](const QString& out) {
            tw::NullRunView view;
            return tw::CheckOutDocs(b.services(view)).BCheckOutClick(maintInputs(out));
        },
        [](const QString& out, bool withRun) {
            QString script
                = tabScript(QStringLiteral("CHECKOUT"), out, QStringLiteral("Edit15"), out + QStringLiteral("files"));
            if (withRun)
                script += QStringLiteral("click BCheckOut\nwait 36000\nexpect Label57 \"Check "
                                         "Out Completed\"\n");
            return script;
        },
        [&](const QString& out) { return copyTree(b.session->store->filesDirectory(), out + QStringLiteral("copy")); }};
    bench::Figures figures;
    for (int i = 1; i <= a.rounds; ++i)
        bench::round(kind, i, root, bench::ProgramRun(b.path, root), figures, xvfb);
    figures.print(QStringLiteral("check-out of %1 ~10 KB versions").arg(a.exportVersions), "cp -r");
}

void checkInBench(const QString& root, int files, int rounds, bool xvfb)
{
    Bench b(root, QStringLiteral("CHECKIN"), files, 1);
    const bool noPause = qEnvironmentVariableIsSet("BENCH_NO_PAUSE"); // headless only: the work alone
    bench::growContent(b.session->store->filesDirectory());
    const QByteArray edit(10 * 1024, 'e');
    // Every version checked out into `out`/files and edited there, as a librarian would leave them.
    const auto prepare = [&](const QString& out) {
        tw::NullRunView view;
        QDir().mkpath(out + QStringLiteral("files"));
        tw::CheckOutDocs(b.services(view)).CheckOutDocsRun(maintInputs(out));
        for (const QFileInfo& file : QDir(out + QStringLiteral("files")).entryInfoList(QDir::Files)) {
            QFile edited(file.filePath());
            if (edited.open(QIODevice::WriteOnly))
                edited.write(edit);
        }
        ::sync();
    };
    const bench::RunKind kind {
        QStringLiteral("check-in"),
        prepare,
        [&](const QString& out) {
            tw::NullRunView view;
            tw::CheckInDocs run(b.services(view));
            if (noPause)
                run.setPauseForTesting(0);
            run.BCheckInClick(out + QStringLiteral("files/"));
            return tw::RunOutcome {};
        },
        [](const QString& out, bool withRun) {
            QString script
                = tabScript(QStringLiteral("CHECKIN"), out, QStringLiteral("Edit16"), out + QStringLiteral("files"));
            if (withRun)
                script += QStringLiteral("click BCheckIn\nwait 36000\nexpect Label58 \"Check In Completed\"\n");
            return script;
        },
        [&](const QString& out) {
            prepare(out);
            return copyTree(out + QStringLiteral("files"), out + QStringLiteral("copy"));
        },
        noPause ? 0.0 : files * 0.050};
    bench::Figures figures;
    for (int i = 1; i <= rounds; ++i)
        bench::round(kind, i, root, bench::ProgramRun(b.path, root), figures, xvfb);
    figures.print(QStringLiteral("check-in of %1 edited files, beyond its 50 ms pauses").arg(files), "cp -r");
}

void clearBench(const QString& root, const bench::Arguments& a, bool xvfb)
{
    Bench b(root, QStringLiteral("CLEAR"), a.exportVersions, 1);
    // Every version held by the person, with no staged file: the clear takes the flag off.
    const auto hold = [&](const QString&) {
        QSqlDatabase db = b.session->store->database();
        store::Sql::run(db, QStringLiteral("UPDATE versions SET checked_out = 1, retriever_id = ?, staged_file = ''"),
                        {b.personRow()});
    };
    const bench::RunKind kind {QStringLiteral("clear"), hold,
                               [&](const QString& out) {
                                   tw::NullRunView view;
                                   return tw::ClearCheckOut(b.services(view)).ClearCheckOutRun(maintInputs(out));
                               },
                               [](const QString& out, bool withRun) {
                                   QString script = tabScript(QStringLiteral("CLEAR"), out, QStringLiteral("Edit15"),
                                                              out + QStringLiteral("files"));
                                   if (withRun)
                                       script
                                           += QStringLiteral("answer yes\nclick BCOClear\nwait 36000\nexpect Label57 "
                                                             "\"Clear Check Out Flags Completed\"\n");
                                   return script;
                               },
                               nullptr};
    bench::Figures figures;
    for (int i = 1; i <= a.rounds; ++i)
        bench::round(kind, i, root, bench::ProgramRun(b.path, root), figures, xvfb);
    figures.print(QStringLiteral("clear flags of %1 held versions").arg(a.exportVersions), "");
    const auto rate = [&](const std::vector<double>& times) {
        return times.empty() ? 0.0 : a.exportVersions / bench::median(times);
    };
    std::printf("  versions per second: headless %.0f, offscreen %.0f, xvfb-run %.0f\n", rate(figures.headless),
                rate(figures.offscreen), rate(figures.xvfb));
}

void resetBench(const QString& root, const bench::Arguments& a, bool xvfb)
{
    Bench b(root, QStringLiteral("RESET"), a.documents, a.versions);
    // Three events a version: the generator's "Created" and two more.
    QSqlDatabase db = b.session->store->database();
    for (int type : {4, 2})
        store::Sql::run(db,
                        QStringLiteral("INSERT INTO events(version_id, event_type, user_id, user_name, created, "
                                       "file_name) SELECT version_id, %1, user_id, user_name, created + 60000, "
                                       "file_name FROM events WHERE event_type = 1")
                            .arg(type));
    QSqlQuery(db).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    const QString sql = QStringLiteral(
        "SELECT datetime(e.created / 1000, 'unixepoch'), e.event_type, e.file_name, COALESCE(u.display_name, "
        "e.user_name) FROM events e JOIN versions v ON v.id = e.version_id JOIN documents d ON d.id = v.document_id "
        "LEFT JOIN users u ON u.id = e.user_id ORDER BY d.number, v.number, e.id");
    const bench::RunKind kind {QStringLiteral("library reset"), nullptr,
                               [&](const QString& out) {
                                   tw::NullRunView view;
                                   return tw::LibReset(b.services(view)).LibResetRun(maintInputs(out));
                               },
                               [](const QString& out, bool withRun) {
                                   QString script = tabScript(QStringLiteral("RESET"), out, QStringLiteral("Edit15"),
                                                              out + QStringLiteral("files"));
                                   if (withRun)
                                       script += QStringLiteral("answer yes\nclick BLReset\nwait 36000\nexpect Label57 "
                                                                "\"Reset Library Report Completed\"\n");
                                   return script;
                               },
                               [&](const QString& out) {
                                   return bench::timeProcess(QStringLiteral("sqlite3"),
                                                             {QStringLiteral("-separator"), QStringLiteral("\t"),
                                                              b.session->store->databasePath(), sql},
                                                             out + QStringLiteral("events.tsv"));
                               }};
    bench::Figures figures;
    const bench::ProgramRun program(b.path, root, {QStringLiteral("LibReset=YES")});
    for (int i = 1; i <= a.rounds; ++i)
        bench::round(kind, i, root, program, figures, xvfb);
    figures.print(
        QStringLiteral("library reset over %1 documents x %2 versions, 3 events each").arg(a.documents).arg(a.versions),
        "sqlite3 TSV");
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    const bench::Arguments arguments = bench::Arguments::read(argc, argv);
    const int checkInFiles = argc > 5 ? QByteArray(argv[5]).toInt() : 1000;
    const int checkInRounds = argc > 6 ? std::max(1, QByteArray(argv[6]).toInt()) : 1;
    const QStringList runs
        = QString::fromLocal8Bit(argc > 7 ? argv[7] : "checkout,clear,checkin,reset").split(QLatin1Char(','));
    const bool xvfb = bench::haveXvfb();
    QTemporaryDir dir;
    try {
        if (runs.contains(QStringLiteral("checkout")))
            checkOutBench(dir.path(), arguments, xvfb);
        if (runs.contains(QStringLiteral("clear")))
            clearBench(dir.path(), arguments, xvfb);
        if (runs.contains(QStringLiteral("checkin")))
            checkInBench(dir.path(), checkInFiles, checkInRounds, xvfb);
        if (runs.contains(QStringLiteral("reset")))
            resetBench(dir.path(), arguments, xvfb);
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_maint: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
