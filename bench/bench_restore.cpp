// Benchmark of the Restore tab, headless through its classes and through the real window
// (offscreen and under xvfb-run): the history of a version with many activity events, and the
// lookup of a file in a salvage area holding many deleted entries (the file asked for is not
// among them, so every entry is read).
// Run by hand: bench_restore [events (10000)] [deleted entries (10000)] [rounds (3)].
#include "BenchWindow.h"
#include "core/app/DateTimeText.h"
#include "core/restore/HistoryRow.h"
#include "core/restore/RestoreFile.h"
#include "core/restore/RestoreInfo.h"
#include "core/restore/RestoreView.h"
#include "store/ContentFiles.h"
#include "store/Sql.h"
#include "store/StorePlatform.h"

namespace {

using bench::Session;

const QString kLibrary = QStringLiteral("RESTORE");

class CountingView : public tw::RestoreView
{
public:
    void RDocInfoClear() override { rows = 0; }
    void setNumberText(const QString&) override { }
    void setVersions(const QStringList&, const QString&) override { }
    void setVersionCount(const QString&, bool) override { }
    void setOfficialCurrent(bool, bool) override { }
    void clearHistory() override { rows = 0; }
    void addHistoryRow(const tw::HistoryRow&) override { ++rows; }
    void setClipboardEnabled(bool) override { }
    int rows = 0;
};

// The first added event's time: a minute apart, the events' dates tell them apart.
const qint64 kFirstEvent = QDateTime(QDate(2026, 1, 5), QTime(8, 0, 0)).toMSecsSinceEpoch();

// Document 1's version gets `events` activity events naming `absent`, a file of the library's
// directory that is neither there nor salvaged; the directory gets `entries` deleted files in
// its salvage area.
void prepare(store::Store& store, const QString& directory, const QString& absent, int events, int entries)
{
    QSqlDatabase db = store.database();
    const qint64 version = store::Sql::scalar(db,
                                              QStringLiteral("SELECT v.id FROM versions v JOIN documents d ON "
                                                             "d.id = v.document_id WHERE d.number = 1 AND "
                                                             "v.number = 1"))
                               .toLongLong();
    store::Sql::run(db, QStringLiteral("BEGIN"));
    for (int i = 0; i < events; ++i) {
        store::Sql::run(db,
                        QStringLiteral("INSERT INTO events(version_id, event_type, user_name, created, file_name) "
                                       "VALUES(?, ?, 'Bench User', ?, ?)"),
                        {version, 2 + i % 4, kFirstEvent + qint64(i) * 60000, absent});
    }
    store::Sql::run(db, QStringLiteral("COMMIT"));
    for (int i = 0; i < entries; ++i) {
        const QString path = directory + QStringLiteral("/D%1.TXT").arg(i, 7, 16, QLatin1Char('0')).toUpper();
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !store::ContentFiles::salvage(path, QStringLiteral("Bench User")))
            qFatal("cannot salvage %s", qPrintable(path));
    }
}

QString libraryDirectory(store::Store& store)
{
    QSqlDatabase db = store.database();
    const QString folder = store::Sql::scalar(db, QStringLiteral("SELECT directory FROM libraries LIMIT 1")).toString();
    return store.libraryDirectory(folder);
}

double timeScript(const bench::ProgramRun& program, const QString& script)
{
    return program.run(script, QStringLiteral("restore.tw"));
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    const int events = argc > 1 ? QByteArray(argv[1]).toInt() : 10000;
    const int entries = argc > 2 ? QByteArray(argv[2]).toInt() : 10000;
    const int rounds = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 3;
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString path = root + QStringLiteral("/restore-store");
    try {
        auto made = Session::generated(path, kLibrary, 10, 1);
        bench::openToThePerson(*made, kLibrary);
        const QString directory = libraryDirectory(*made);
        const QString absent = directory + QStringLiteral("/ABSENT.TXT");
        prepare(*made, directory, absent, events, entries);
        Session session(made, path, kLibrary);
        tw::NullRunView runView;
        const tw::RunServices services = session.services(session.log, Session::hostRef(), runView);
        const std::shared_ptr<gw::FileServer> server = session.platform->CreateFileServer();
        std::printf("a version with %d events; a salvage area of %d deleted entries\n", events, entries);

        const bench::ProgramRun program(path, root);
        const bool xvfb = bench::haveXvfb();
        const QString open = QStringLiteral("library RESTORE\ntab Restore\nset Edit33 1\n");
        const QString getInfo
            = open + QStringLiteral("click Button2\nwait 600\nexpect LV_Restores %1\n").arg(events + 1);
        const QString lookup = getInfo
            + QStringLiteral("row LV_Restores \"%1\"\nexpect Label89 \"Requires Restore from Tape\"\n")
                  .arg(tw::DateTimeText::format(QDateTime::fromMSecsSinceEpoch(kFirstEvent)));
        for (int round = 1; round <= rounds; ++round) {
            CountingView view;
            QElapsedTimer timer;
            timer.start();
            tw::RestoreInfo(services, view).GetRestoreDocument(QStringLiteral("1"));
            const double fill = bench::seconds(timer);
            tw::HistoryRow row {QString(), QString(), QString(), absent, QString()};
            timer.restart();
            const QString state = tw::RestoreFile(services, [server] { return server; }).LV_RestoresClick(row);
            const double look = bench::seconds(timer);
            std::printf("  round %d headless: Get Info with %d history rows %.3f s; lookup \"%s\" %.3f s\n", round,
                        view.rows, fill, qPrintable(state), look);
            for (const bool underX : {false, true}) {
                if (underX && !xvfb)
                    continue;
                bench::ProgramRun way = program;
                way.xvfb = underX;
                const double base = timeScript(way, open);
                const double withInfo = timeScript(way, getInfo);
                const double withLookup = timeScript(way, lookup);
                std::printf("  round %d %s: Get Info %.3f s (program %.2f s less %.2f s); lookup %.3f s (program "
                            "%.2f s less %.2f s)\n",
                            round, underX ? "xvfb-run" : "offscreen", withInfo - base, withInfo, base,
                            withLookup - withInfo, withLookup, withInfo);
            }
        }
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_restore: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
