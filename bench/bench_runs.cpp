// Benchmark of the mass runs, driven headless through the run classes with events pumped after
// each document as the window does: the field reporter over a whole generated library with five
// columns against sqlite3 writing the same rows and columns as TSV from the store's database,
// and the export of about 10 KB versions against `cp -r` of the same content files. Prints the
// times, the resident memory while each run goes and the longest gap between two event pumps.
// Run by hand: bench_runs [documents (100000)] [versions per document (3)] [export versions (10000)]
// [export rounds (3)].
#include "BenchSession.h"
#include "core/reports/ExportDocs.h"
#include "core/reports/ReportDocs.h"
#include "core/runs/NullRunView.h"

namespace {

using bench::BenchHost;
using bench::growContent;
using bench::median;
using bench::seconds;
using bench::Session;
using bench::timeProcess;

void report(const QString& outcomeName, const tw::RunOutcome& outcome, double runSeconds, double reference,
            const BenchHost& host, const char* referenceName)
{
    std::printf("%s: %lld units, %d successes, %d failures in %.2f s; %s %.2f s; ratio %.2f\n", qPrintable(outcomeName),
                static_cast<long long>(outcome.total), outcome.successes, outcome.failures, runSeconds, referenceName,
                reference, runSeconds / reference);
    std::printf("  resident memory peak during the run: %ld kB; longest gap between event pumps: %.1f ms"
                " (before pump %lld)%s\n",
                host.peakKb, host.longestGapNs / 1e6, static_cast<long long>(host.longestGapAt),
                outcome.error.isEmpty() ? "" : " (stopped by an error)");
}

void benchReporter(const QString& root, qint64 documents, int versions)
{
    QElapsedTimer build;
    build.start();
    Session session(root + QStringLiteral("/report-store"), QStringLiteral("BENCH"), documents, versions);
    std::printf("generated %lld documents x %d versions in %.1f s\n", static_cast<long long>(documents), versions,
                seconds(build));
    const QString out = root + QStringLiteral("/report/");
    QDir().mkpath(out);
    BenchHost& host = Session::hostRef();
    tw::NullRunView view;
    const tw::RunInputs inputs = bench::reporterInputs(out);
    host.reset();
    QElapsedTimer timer;
    timer.start();
    const tw::RunOutcome outcome = tw::ReportDocs(session.services(session.log, host, view)).run(inputs);
    const double runSeconds = seconds(timer);

    const QString sql
        = QStringLiteral("SELECT d.number, v.number, d.subject, u.display_name, t.name, v.file_type, v.description"
                         " FROM documents d JOIN versions v ON v.document_id = d.id JOIN users u ON u.id = d.author_id"
                         " LEFT JOIN document_types t ON t.id = d.type_id ORDER BY d.number, v.number");
    const double sqlite
        = timeProcess(QStringLiteral("sqlite3"),
                      {QStringLiteral("-separator"), QStringLiteral("\t"), session.store->databasePath(), sql},
                      out + QStringLiteral("sqlite.tsv"));
    report(QStringLiteral("field reporter, five columns"), outcome, runSeconds, sqlite, host, "sqlite3 TSV");
}

// The export and its `cp -r` reference run in turns, each into a fresh folder: the time a file
// system takes to create files changes from minute to minute (it avoids reusing inodes freed
// shortly before), and turns give both the same conditions. The medians are compared.
void benchExport(const QString& root, qint64 exportVersions, int rounds)
{
    Session session(root + QStringLiteral("/export-store"), QStringLiteral("EXPORT"), exportVersions, 1);
    growContent(session.store->filesDirectory());
    BenchHost& host = Session::hostRef();
    tw::NullRunView view;
    std::vector<double> exports;
    std::vector<double> copies;
    for (int round = 1; round <= rounds; ++round) {
        const QString out = root + QStringLiteral("/export-%1/").arg(round);
        QDir().mkpath(out);
        const tw::ExportInputs inputs = bench::exportInputs(out);
        host.reset();
        QElapsedTimer timer;
        timer.start();
        const tw::RunOutcome outcome = tw::ExportDocs(session.services(session.log, host, view)).run(inputs);
        exports.push_back(seconds(timer));
        copies.push_back(timeProcess(
            QStringLiteral("cp"),
            {QStringLiteral("-r"), session.store->filesDirectory(), root + QStringLiteral("/copy-%1").arg(round)}));
        report(QStringLiteral("export of ~10 KB versions, round %1").arg(round), outcome, exports.back(), copies.back(),
               host, "cp -r");
    }
    std::printf("export, median of %d rounds: %.2f s; cp -r %.2f s; ratio %.2f\n", rounds, median(exports),
                median(copies), median(exports) / median(copies));
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    const bench::Arguments arguments = bench::Arguments::read(argc, argv);
    const qint64 documents = arguments.documents;
    const int versions = arguments.versions;
    const qint64 exportVersions = arguments.exportVersions;
    const int rounds = arguments.rounds;
    QTemporaryDir dir;
    try {
        benchReporter(dir.path(), documents, versions);
        benchExport(dir.path(), exportVersions, rounds);
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_runs: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
