// Benchmark of the mass runs, driven headless through the run classes with events pumped after
// each document as the window does: the field reporter over a whole generated library with five
// columns against sqlite3 writing the same rows and columns as TSV from the store's database,
// and the export of about 10 KB versions against `cp -r` of the same content files. Prints the
// times, the resident memory while each run goes and the longest gap between two event pumps.
// Run by hand: bench_runs [documents (100000)] [versions per document (3)] [export versions (10000)]
// [export rounds (3)].
#include "ResidentMemory.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/query/QueryRunner.h"
#include "core/reports/ExportDocs.h"
#include "core/reports/ReportDocs.h"
#include "core/runs/NullRunView.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StorePlatform.h"
#include "store/demo/Generator.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

// The window as a run sees it: pumps the event loop, and keeps the longest gap between two
// pumps and the highest resident memory seen (sampled every 256 pumps).
class BenchHost : public tw::RunHost
{
public:
    void showStatus(const QString&) override { }
    void pumpEvents() override
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (m_last >= 0 && now - m_last > longestGapNs) {
            longestGapNs = now - m_last;
            longestGapAt = m_pumpsInRun;
        }
        ++m_pumpsInRun;
        QCoreApplication::processEvents();
        if ((++m_pumps & 255) == 0)
            peakKb = std::max(peakKb, residentKb());
        m_last = m_clock.nsecsElapsed();
    }
    void showMessage(const QString&, const QString& text, Icon) override
    {
        std::printf("  message: %s\n", qPrintable(text));
    }
    bool askYesNo(const QString&, const QString&) override { return false; }
    QString pickFolder(const QString&, const QString&) override { return {}; }
    void setBusyCursor(bool) override { }

    void reset()
    {
        m_clock.start();
        m_last = -1;
        longestGapNs = 0;
        longestGapAt = 0;
        m_pumpsInRun = 0;
        peakKb = residentKb();
    }

    qint64 longestGapNs = 0;
    qint64 longestGapAt = 0; // the pump of the run that ended the longest gap
    long peakKb = 0;

private:
    QElapsedTimer m_clock;
    qint64 m_last = -1;
    quint64 m_pumps = 0;
    qint64 m_pumpsInRun = 0;
};

// A store with one generated library, logged in as its author, with everything a run borrows.
struct Session
{
    Session(const QString& directory, const QString& library, qint64 documents, int versions)
    {
        store = store::Store::create(directory);
        store::Generator::generate(*store, library, documents, versions);
        store->setClientUser(QStringLiteral("BENCH"));
        // The generator's one big transaction waits in the write-ahead log; move it into the
        // database now, as days of use would have, so the run does not pay for it.
        QSqlQuery(store->database()).exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        platform = std::make_shared<store::StorePlatform>(directory);
        refs.session = platform->CreateSession();
        refs.account = refs.session->Login(QString(), QString(), QString(), 0);
        const auto libraries = refs.account->DocumentLibraries();
        for (int i = 1; i <= libraries->Count(); ++i) {
            if (libraries->Item(i)->Name() == library)
                refs.selectedLibrary = libraries->Item(i);
        }
    }
    tw::RunServices services(tw::OperationLog& log, BenchHost& host, tw::RunView& view)
    {
        return tw::RunServices {
            refs, state, log, host, view, queryRunner, catalogue, custom, QStringLiteral("Bench_runs (1.0.0.1)")};
    }

    std::shared_ptr<store::Store> store;
    std::shared_ptr<store::StorePlatform> platform;
    tw::GwRefs refs;
    tw::RunState state;
    tw::CustomFields custom;
    QTemporaryDir logDir;
    tw::OperationLog log {logDir.path(), QStringLiteral("Bench_runs (1.0.0.1)"), &hostRef()};
    tw::FieldCatalogue catalogue {refs, log, hostRef(), [] { return false; }};
    tw::QueryRunner queryRunner {refs, state, log, hostRef(), [] { return QStringLiteral("DOCREFERENCE"); }};

    static BenchHost& hostRef()
    {
        static BenchHost shared;
        return shared;
    }
};

double seconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e9;
}

double timeProcess(const QString& program, const QStringList& arguments, const QString& outputFile = QString())
{
    QProcess process;
    if (!outputFile.isEmpty())
        process.setStandardOutputFile(outputFile);
    QElapsedTimer timer;
    timer.start();
    process.start(program, arguments);
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        std::printf("  %s failed: %s\n", qPrintable(program), process.readAllStandardError().constData());
    return seconds(timer);
}

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
    tw::RunInputs inputs;
    inputs.useQuery = false;
    inputs.reportDirectory = out;
    inputs.extraFields = {QStringLiteral("Subject"), QStringLiteral("Author"), QStringLiteral("Doc. Type"),
                          QStringLiteral("Original File Type"), QStringLiteral("Description")};
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

// Gives every content file of the store about 10 KB, and waits until they are on disk, as files
// written long before an export would be: otherwise the run's first database sync queues behind
// the write-back of the whole content (about 100 MB for 10,000 versions) and is timed with it.
void growContent(const QString& filesDirectory)
{
    const QByteArray block = QByteArray(10 * 1024, 'c');
    QDirIterator it(filesDirectory, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::WriteOnly))
            file.write(block);
    }
    ::sync();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
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
        tw::ExportInputs inputs;
        inputs.run.useQuery = false;
        inputs.run.reportDirectory = out;
        inputs.folderFields = {QStringLiteral("Doc. Type")};
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
    QCoreApplication app(argc, argv);
    const qint64 documents = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    const int versions = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    const qint64 exportVersions = argc > 3 ? QByteArray(argv[3]).toLongLong() : 10000;
    const int rounds = argc > 4 ? std::max(1, QByteArray(argv[4]).toInt()) : 3;
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
