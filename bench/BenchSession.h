#pragma once

// What the benchmark programs share: a host that pumps events as the window does and keeps
// the longest gap between pumps and the peak resident memory, a logged-in session on a store
// with everything a run borrows, and timing helpers.
#include "ResidentMemory.h"
#include "core/app/GwRefs.h"
#include "core/app/LocalTimeZone.h"
#include "core/app/OperationLog.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/query/QueryRunner.h"
#include "core/reports/ExportDocs.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunServices.h"
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

namespace bench {

// The window as a run sees it: pumps the event loop, and keeps the longest gap between two
// pumps and the highest resident memory seen (sampled every 256 pumps).
class BenchHost : public tw::RunHost
{
public:
    void showStatus(const QString&) override { }
    void pumpEvents() override
    {
        const qint64 now = m_clock.nsecsElapsed();
        if (m_last >= 0 && now - m_last > 60000000 && qEnvironmentVariableIsSet("BENCH_GAPS"))
            std::fprintf(stderr, "gap %.1f ms at pump %lld\n", (now - m_last) / 1e6,
                         static_cast<long long>(m_pumpsInRun));
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
    bool askOkCancel(const QString&, const QString&) override { return false; }
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
        : Session(generated(directory, library, documents, versions), directory, library)
    {
    }
    // A session on the store already made at `directory`.
    Session(std::shared_ptr<store::Store> made, const QString& directory, const QString& library)
    {
        store = std::move(made);
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
    static std::shared_ptr<store::Store> generated(const QString& directory, const QString& library, qint64 documents,
                                                   int versions)
    {
        auto made = store::Store::create(directory);
        store::Generator::generate(*made, library, documents, versions);
        made->setClientUser(QStringLiteral("BENCH"));
        return made;
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

inline double seconds(const QElapsedTimer& timer)
{
    return timer.nsecsElapsed() / 1e9;
}

inline double timeProcess(const QString& program, const QStringList& arguments, const QString& outputFile = QString())
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

// Gives every content file of the store about 10 KB, and waits until they are on disk, as files
// written long before an export would be: otherwise the run's first database sync queues behind
// the write-back of the whole content (about 100 MB for 10,000 versions) and is timed with it.
inline void growContent(const QString& filesDirectory)
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

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The benchmark programs' arguments: documents, versions per document, exported versions, rounds.
struct Arguments
{
    qint64 documents = 100000;
    int versions = 3;
    qint64 exportVersions = 10000;
    int rounds = 3;

    static Arguments read(int argc, char** argv)
    {
        Arguments a;
        if (argc > 1)
            a.documents = QByteArray(argv[1]).toLongLong();
        if (argc > 2)
            a.versions = QByteArray(argv[2]).toInt();
        if (argc > 3)
            a.exportVersions = QByteArray(argv[3]).toLongLong();
        if (argc > 4)
            a.rounds = std::max(1, QByteArray(argv[4]).toInt());
        return a;
    }
};

// The field reporter's run: the full library, five columns.
inline tw::RunInputs reporterInputs(const QString& out)
{
    tw::RunInputs inputs;
    inputs.useQuery = false;
    inputs.reportDirectory = out;
    inputs.extraFields = {QStringLiteral("Subject"), QStringLiteral("Author"), QStringLiteral("Doc. Type"),
                          QStringLiteral("Original File Type"), QStringLiteral("Description")};
    return inputs;
}

// The export's run: the full library, one folder level named by "Doc. Type".
inline tw::ExportInputs exportInputs(const QString& out)
{
    tw::ExportInputs inputs;
    inputs.run.useQuery = false;
    inputs.run.reportDirectory = out;
    inputs.folderFields = {QStringLiteral("Doc. Type")};
    return inputs;
}

} // namespace bench
