// Benchmark of the library store: generates a synthetic library into a temporary store, then
// measures what the program's runs do per document (GetDocument, the walk of all versions and
// the reads of a field report) and a subject search over the whole library. Prints the figures;
// run by hand: bench_store [documents] [versions per document].
#include "ResidentMemory.h"
#include "gw/ObjectModel.h"
#include "store/Store.h"
#include "store/StorePlatform.h"
#include "store/demo/Generator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>
#include <ctime>

namespace {

// Processor time of the process in seconds: on a shared machine the wall-clock figure also
// counts time spent waiting for a core.
double cpuSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}

// The reads of a field report for one document and every version of it.
qint64 readDocument(gw::Library& library, qint64 number)
{
    auto document = library.GetDocument(QString::number(number));
    qint64 touched = document->Subject().size() + document->Author()->DisplayName().size()
        + document->Creator()->DisplayName().size() + document->DocumentType()->Name().size();
    touched += document->CreationDate().isValid() + document->OfficialVersion()->VersionNumber()
        + document->CurrentVersion()->VersionNumber();
    auto versions = document->DocumentVersions();
    const int count = versions->Count();
    for (int i = 1; i <= count; ++i) {
        auto version = versions->Item(i);
        touched += version->VersionNumber() + version->Creator()->DisplayName().size()
            + version->Retriever()->DisplayName().size() + version->RetrievalDate().isValid()
            + version->CreationDate().isValid() + version->Description().size() + version->OriginalFileType().size()
            + version->CheckedOut() + version->Archived() + version->InUse();
    }
    return touched;
}

void benchReads(gw::Library& library, qint64 documents)
{
    QElapsedTimer timer;
    timer.start();
    const double cpu = cpuSeconds();
    const long before = residentKb();
    long middle = 0;
    qint64 touched = 0;
    for (qint64 n = 1; n <= documents; ++n) {
        touched += readDocument(library, n);
        if (n == documents / 2)
            middle = residentKb();
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double cpuUsed = cpuSeconds() - cpu;
    std::printf("GetDocument + versions + field reads: %lld documents in %.2f s = %.0f documents/s"
                " (processor %.2f s = %.0f documents/s)\n",
                static_cast<long long>(documents), seconds, documents / seconds, cpuUsed, documents / cpuUsed);
    std::printf("  resident memory: %ld kB before, %ld kB half way, %ld kB after (%lld values read)\n", before, middle,
                residentKb(), static_cast<long long>(touched));
}

void benchQuery(gw::Account& account, const std::shared_ptr<gw::Library>& library)
{
    auto query = account.CreateQuery();
    query->setExpression(QStringLiteral("(SUBJECT CONTAINS \"x\")"));
    query->Locations()->Add(library);
    QElapsedTimer timer;
    timer.start();
    query->Start();
    double firstHit = -1;
    bool completed = false;
    while (!completed) {
        completed = query->Completed();
        if (firstHit < 0 && query->QueryMessages()->Count() > 0)
            firstHit = timer.nsecsElapsed() / 1e9;
        if (!completed)
            QThread::msleep(5);
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("(SUBJECT CONTAINS \"x\"): %d hits in %.2f s, first hit after %.3f s\n",
                query->QueryMessages()->Count(), seconds, firstHit);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    // Figures appear as they are measured; removing 300,000 files at the end takes a while.
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const qint64 documents = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    const int versions = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    QTemporaryDir dir;
    try {
        auto store = store::Store::create(dir.filePath(QStringLiteral("store")));
        QElapsedTimer timer;
        timer.start();
        const double cpu = cpuSeconds();
        const auto result = store::Generator::generate(*store, QStringLiteral("Bench"), documents, versions);
        std::printf("generate: %lld documents, %lld versions in %.2f s (processor %.2f s)\n",
                    static_cast<long long>(documents), static_cast<long long>(result.versions),
                    timer.nsecsElapsed() / 1e9, cpuSeconds() - cpu);
        store->setClientUser(QStringLiteral("BENCH"));

        store::StorePlatform platform(dir.filePath(QStringLiteral("store")));
        auto account = platform.CreateSession()->Login(QString(), QString(), QString(), 0);
        auto libraries = account->DocumentLibraries();
        std::shared_ptr<gw::Library> library;
        for (int i = 1; i <= libraries->Count(); ++i) {
            if (libraries->Item(i)->Name() == QLatin1String("Bench"))
                library = libraries->Item(i);
        }
        if (!library) {
            std::fprintf(stderr, "the generated library is not reachable\n");
            return 1;
        }
        benchReads(*library, documents);
        benchQuery(*account, library);
        std::printf("removing the temporary store %s\n", qPrintable(dir.path()));
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_store: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
