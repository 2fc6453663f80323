// Benchmark of the mass runs through the real window against the same runs without one, in one
// program run: the field reporter over a generated library (five columns, Full Library) and the
// export of about 10 KB versions (one folder level, "Doc. Type"). Each round runs them headless
// through the run classes (events pumped after every document, as bench_runs does), then by the
// program itself carrying out a script, offscreen and under xvfb-run. A script run's time is the
// program's time with the run less the time of the same script without it (start, login, library
// selection and the tab's settings); the medians of the rounds are compared.
// Run by hand: bench_window [documents (100000)] [versions per document (3)] [export versions (10000)]
// [rounds (3)].
#include "BenchSession.h"
#include "core/app/ProgramIdentity.h"
#include "core/reports/ExportDocs.h"
#include "core/reports/ReportDocs.h"
#include "core/runs/NullRunView.h"
#include "store/StoreBuilder.h"
#include "store/directory/DirectoryWriter.h"

#include <QStandardPaths>

namespace {

using bench::BenchHost;
using bench::median;
using bench::seconds;
using bench::Session;

// Opens the generated store to the person running the bench, as a store administered for them
// would be: an account in the generator's post office, found in the directory, administrator of
// the domain and librarian of the library, which is their default. The program then starts
// without a prompt, and the headless runs log in as the same person.
void openToThePerson(store::Store& store, const QString& library)
{
    const QString person = tw::ProgramIdentity::WindowsUserName();
    QSqlDatabase db = store.database();
    QSqlQuery q(db);
    q.exec(QStringLiteral("SELECT d.name, p.name FROM post_offices p JOIN domains d ON d.id = p.domain_id LIMIT 1"));
    q.next();
    const QString domain = q.value(0).toString();
    const QString office = q.value(1).toString();
    store::StoreBuilder build(store);
    if (store.userRow(person) == 0) {
        build.addUser(office, person, QStringLiteral("Bench"), QStringLiteral("Window"));
        build.addDomainAdministrator(domain, person);
        const QString context = QStringLiteral("OU=Staff.O=Bench");
        store::DirectoryWriter::setNameContext(store, context);
        const QString domainDn = QStringLiteral("CN=%1.O=%1").arg(domain);
        const QString officeDn = QStringLiteral("CN=") + office + QStringLiteral(".O=") + domain;
        store::DirectoryWriter::putObject(store, domainDn, QStringLiteral("NGW: Domain"),
                                          {{QStringLiteral("CN"), {domain}}});
        store::DirectoryWriter::putObject(
            store, officeDn, QStringLiteral("NGW: Post Office"),
            {{QStringLiteral("NGW: Domain"), {domainDn}}, {QStringLiteral("CN"), {office}}});
        store::DirectoryWriter::putObject(store, QStringLiteral("CN=") + person + QLatin1Char('.') + context,
                                          QStringLiteral("User"),
                                          {{QStringLiteral("NGW: Object ID"), {person}},
                                           {QStringLiteral("NGW: Post Office"), {officeDn}},
                                           {QStringLiteral("CN"), {person}}});
    }
    build.setLibraryRights(library, person, true);
    build.setDefaultLibrary(person, library);
    store.setClientUser(person);
}

// A script run of the program: offscreen, or under a virtual X display.
struct ProgramRun
{
    QString storePath;
    QString workDirectory;
    bool xvfb = false;

    double run(const QString& script, const QString& name) const
    {
        const QString path = QDir(workDirectory).filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(script.toUtf8()) < 0)
            qFatal("cannot write %s", qPrintable(path));
        file.close();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("TARNWICK_STORE"), storePath);
        environment.insert(QStringLiteral("TARNWICK_PROGRAM_DIR"), QDir(workDirectory).filePath(QStringLiteral("log")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), QDir(workDirectory).filePath(QStringLiteral("runtime")));
        QDir(workDirectory).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(QDir(workDirectory).filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QStringList arguments {QStringLiteral("/NS"), QStringLiteral("--script=") + path};
        QString program = QStringLiteral(TARNWICK_EXE);
        if (xvfb) {
            arguments.prepend(program);
            arguments.prepend(QStringLiteral("-a"));
            program = QStringLiteral("xvfb-run");
            environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
        } else {
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        }
        QProcess process;
        process.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        process.waitForFinished(-1);
        const double elapsed = seconds(timer);
        if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
            std::printf("  the program failed: %s\n", process.readAllStandardError().constData());
        return elapsed;
    }
};

QString quoted(const QString& text)
{
    return QLatin1Char('"') + text + QLatin1Char('"');
}

QString reporterScript(const QString& out, bool withRun)
{
    QString script = QStringLiteral("library BIG\ntab Reporter\nset Edit23 %1\nleave Edit23\n").arg(quoted(out));
    for (const char* field : {"Subject", "Author", "Doc. Type", "Original File Type", "Description"})
        script += QStringLiteral("row ListBox3 ") + quoted(QString::fromLatin1(field)) + "\nclick SpeedButton10\n";
    script += QStringLiteral("choose RadioGroup1 \"Full Library\"\n");
    if (withRun)
        script += QStringLiteral("click BReport\nwait 36000\nexpect Label65 \"Report Completed\"\n");
    return script;
}

QString exportScript(const QString& out, bool withRun)
{
    QString script = QStringLiteral("library EXPORT\ntab Export\nset EDocOutputDir %1\nleave EDocOutputDir\n"
                                    "row ListBox1 \"Doc. Type\"\nclick SpeedButton8\n"
                                    "choose RadioGroup6 \"Full Library\"\n")
                         .arg(quoted(out));
    if (withRun)
        script += QStringLiteral("options ok\nclick BExport\nwait 36000\nexpect Label60 \"Export Completed\"\n");
    return script;
}

// The times of one run kind, headless and through the window in both ways.
struct Figures
{
    std::vector<double> headless;
    std::vector<double> offscreen;
    std::vector<double> xvfb;

    void print(const char* what) const
    {
        const double reference = median(headless);
        std::printf("%s, median of %zu rounds: headless %.2f s; offscreen %.2f s (%.2f x); xvfb-run %.2f s (%.2f x)\n",
                    what, headless.size(), reference, median(offscreen), median(offscreen) / reference,
                    xvfb.empty() ? 0.0 : median(xvfb), xvfb.empty() ? 0.0 : median(xvfb) / reference);
    }
};

// The lines of the report a run wrote into `out`, to show that each way did the same work.
int reportLines(const QString& out)
{
    for (const char* name : {"Library.rpt", "Export.rpt"}) {
        QFile file(out + QLatin1String(name));
        if (file.open(QIODevice::ReadOnly))
            return int(file.readAll().count('\n'));
    }
    return 0;
}

using ScriptFor = std::function<QString(const QString& out, bool withRun)>;
using Headless = std::function<tw::RunOutcome(const QString& out)>;

// One round: headless, then the script offscreen and under xvfb-run, each into a fresh folder.
void round(const QString& what, int number, const QString& root, const ProgramRun& program, const ScriptFor& script,
           const Headless& headless, Figures& figures, bool xvfb)
{
    const auto fresh = [&](const char* kind) {
        const QString out = root + QStringLiteral("/") + what + QLatin1Char('-') + QLatin1String(kind)
            + QLatin1Char('-') + QString::number(number) + QLatin1Char('/');
        QDir().mkpath(out);
        return out;
    };
    QElapsedTimer timer;
    timer.start();
    const QString headlessOut = fresh("headless");
    const tw::RunOutcome outcome = headless(headlessOut);
    figures.headless.push_back(seconds(timer));
    std::printf("  round %d: headless %.2f s (%d successes, %d failures, %d report lines)", number,
                figures.headless.back(), outcome.successes, outcome.failures, reportLines(headlessOut));
    for (const bool underX : {false, true}) {
        if (underX && !xvfb)
            continue;
        ProgramRun run = program;
        run.xvfb = underX;
        const double base = run.run(script(fresh("base"), false), QStringLiteral("base.tw"));
        const QString out = fresh(underX ? "xvfb" : "offscreen");
        const double total = run.run(script(out, true), QStringLiteral("run.tw"));
        (underX ? figures.xvfb : figures.offscreen).push_back(total - base);
        std::printf("; %s %.2f s (program %.2f s less %.2f s, %d report lines)", underX ? "xvfb-run" : "offscreen",
                    total - base, total, base, reportLines(out));
    }
    std::printf("\n");
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const bench::Arguments arguments = bench::Arguments::read(argc, argv);
    const qint64 documents = arguments.documents;
    const int versions = arguments.versions;
    const qint64 exportVersions = arguments.exportVersions;
    const int rounds = arguments.rounds;
    const bool xvfb = !QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty();
    if (!xvfb)
        std::printf("xvfb-run is not installed: the window runs offscreen only\n");
    QTemporaryDir dir;
    const QString root = dir.path();
    try {
        const QString reportStore = root + QStringLiteral("/report-store");
        auto made = Session::generated(reportStore, QStringLiteral("BIG"), documents, versions);
        openToThePerson(*made, QStringLiteral("BIG"));
        Session reports(made, reportStore, QStringLiteral("BIG"));
        std::printf("generated %lld documents x %d versions\n", static_cast<long long>(documents), versions);
        Figures reporter;
        const ProgramRun reportProgram {reportStore, root, false};
        for (int i = 1; i <= rounds; ++i) {
            round(
                QStringLiteral("report"), i, root, reportProgram, reporterScript,
                [&](const QString& out) {
                    BenchHost& host = Session::hostRef();
                    tw::NullRunView view;
                    host.reset();
                    return tw::ReportDocs(reports.services(reports.log, host, view)).run(bench::reporterInputs(out));
                },
                reporter, xvfb);
        }

        const QString exportStore = root + QStringLiteral("/export-store");
        auto exportMade = Session::generated(exportStore, QStringLiteral("EXPORT"), exportVersions, 1);
        openToThePerson(*exportMade, QStringLiteral("EXPORT"));
        bench::growContent(exportMade->filesDirectory());
        Session exports(exportMade, exportStore, QStringLiteral("EXPORT"));
        Figures exporter;
        const ProgramRun exportProgram {exportStore, root, false};
        for (int i = 1; i <= rounds; ++i) {
            round(
                QStringLiteral("export"), i, root, exportProgram, exportScript,
                [&](const QString& out) {
                    BenchHost& host = Session::hostRef();
                    tw::NullRunView view;
                    host.reset();
                    return tw::ExportDocs(exports.services(exports.log, host, view)).run(bench::exportInputs(out));
                },
                exporter, xvfb);
        }
        reporter.print("field reporter, five columns");
        exporter.print("export of ~10 KB versions");
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_window: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
