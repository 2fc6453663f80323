// Benchmark of the Preset Reports and DoRoDi tabs, each headless through the run classes and
// through the real window (offscreen and under xvfb-run), side by side in one program run:
// - preset "9 - Information" (every version a row) against the field reporter (five columns)
//   over the same generated library, measured in the same run; the window's resident memory
//   with the list full;
// - the list itself with the preset's rows in it, in this process on an offscreen list view:
//   a column click on each column (a sort of every row) and the copy to the clipboard, and two
//   clicks and the copy through the program's window;
// - the stray-file scan of a tree of files none of which is a candidate, against
//   `find -type f` over the same tree.
// Run by hand: bench_presets [documents (100000)] [versions per document (3)] [rounds (3)]
// [files in the tree (100000)] [runs (report,preset,list,scan)].
// With BENCH_HEADLESS set the window runs are left out.
#include "BenchWindow.h"
#include "core/lists/ResultSink.h"
#include "core/presets/PresetDocs.h"
#include "core/presets/PresetText.h"
#include "core/strays/StrayScan.h"
#include "gui/widgets/ResultListModel.h"

#include <QApplication>
#include <QClipboard>
#include <QTreeView>

namespace {

using bench::quoted;
using bench::Session;

const QString kLibrary = QStringLiteral("PRESETS");

// The rows a headless run lists, kept as the window's list keeps them.
class KeptRows : public tw::ResultSink
{
public:
    void clearRows() override { rows.clear(); }
    void addRow(tw::ResultRow row) override { rows.push_back(std::move(row)); }
    std::vector<tw::ResultRow> rows;
};

class NoCounters : public tw::StrayScanView
{
public:
    void setCurrentDirectory(const QString&) override { }
    void setCurrentFile(const QString&) override { }
    void resetCounters() override { }
    void addToCounter(tw::StrayCounter, qint64) override { }
};

QString presetScript(const QString& out, bool withRun)
{
    QString script = QStringLiteral("library PRESETS\ntab \"Preset Reports\"\nset Edit30 %1\nleave Edit30\n"
                                    "choose RadioGroup2 \"Full Library\"\nchoose ComboB_Presets \"9 - Information\"\n")
                         .arg(quoted(out));
    if (withRun)
        script += QStringLiteral("click Button3\nwait 36000\nexpect Label75 \"Preset Report Completed\"\n");
    return script;
}

QString scanScript(const QString& tree, bool withRun)
{
    QString script = QStringLiteral("library PRESETS\ntab DoRoDi\nset Edit36 %1\nleave Edit36\n").arg(quoted(tree));
    if (withRun)
        script += QStringLiteral("click Button15\nwait 36000\nexpect LV_OFiles 0\n");
    return script;
}

// A tree of `files` files in folders of a hundred, two levels deep, none named like a copy.
void makeTree(const QString& top, qint64 files)
{
    for (qint64 i = 0; i < files; ++i) {
        const QString folder = QStringLiteral("%1/u%2/d%3").arg(top).arg(i / 10000).arg((i / 100) % 100);
        if (i % 100 == 0)
            QDir().mkpath(folder);
        QFile file(folder + QStringLiteral("/notes-%1.txt").arg(i));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
    }
}

// The list with the preset's rows in it, on a shown list view: each column clicked once, then
// the copy of all rows to the clipboard.
void timeTheList(const std::vector<tw::ResultRow>& rows)
{
    tw::SortState sort;
    tw::ResultListModel model(
        {QStringLiteral("Number"), QStringLiteral("Version"), QStringLiteral("Subject"), QStringLiteral("Author"),
         QStringLiteral("Status"), QStringLiteral("Last Used")},
        tw::RowOrder({tw::RowOrder::Kind::Text, tw::RowOrder::Kind::Text, tw::RowOrder::Kind::Text,
                      tw::RowOrder::Kind::Text, tw::RowOrder::Kind::Text, tw::RowOrder::Kind::Date}),
        sort);
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setModel(&model);
    view.resize(900, 500);
    view.show();
    QElapsedTimer timer;
    timer.start();
    for (const tw::ResultRow& row : rows)
        model.addRow(row);
    model.flush();
    QCoreApplication::processEvents();
    std::printf("  list: %d rows put in place and shown in %.3f s\n", model.rows(), bench::seconds(timer));
    for (int column = 0; column < 6; ++column) {
        timer.restart();
        model.clickColumn(column);
        QCoreApplication::processEvents();
        std::printf("  column click %d (direction %+d): %.3f s\n", column, sort.direction, bench::seconds(timer));
    }
    timer.restart();
    const QString text = tw::presetListText(QStringLiteral("Preset Reports List 9 - Information"), model.rows(),
                                            [&model](int i) -> const tw::ResultRow& { return model.rowAt(i); });
    QGuiApplication::clipboard()->setText(text);
    std::printf("  clipboard: %lld characters in %.3f s; resident memory now %ld kB\n",
                static_cast<long long>(text.size()), bench::seconds(timer), residentKb());
}

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    qputenv("QT_QPA_PLATFORM", "offscreen"); // this process's own list view; the program runs set their own
    QApplication app(argc, argv);
    bench::Arguments a;
    a.documents = argc > 1 ? QByteArray(argv[1]).toLongLong() : 100000;
    a.versions = argc > 2 ? QByteArray(argv[2]).toInt() : 3;
    a.rounds = argc > 3 ? std::max(1, QByteArray(argv[3]).toInt()) : 3;
    const qint64 files = argc > 4 ? QByteArray(argv[4]).toLongLong() : 100000;
    const QStringList runs
        = QString::fromLocal8Bit(argc > 5 ? argv[5] : "report,preset,list,scan").split(QLatin1Char(','));
    const bool xvfb = bench::haveXvfb();
    QTemporaryDir dir;
    const QString root = dir.path();
    const QString path = root + QStringLiteral("/presets-store");
    try {
        auto made = Session::generated(path, kLibrary, a.documents, a.versions);
        bench::openToThePerson(*made, kLibrary);
        Session session(made, path, kLibrary);
        const auto services
            = [&](tw::RunView& view) { return session.services(session.log, Session::hostRef(), view); };
        const bench::ProgramRun program(path, root);
        std::printf("generated %lld documents x %d versions\n", static_cast<long long>(a.documents), a.versions);

        if (runs.contains(QStringLiteral("report"))) {
            const bench::RunKind reporter = bench::reporterKind(kLibrary, services);
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(reporter, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("field reporter, five columns (the reference)"), "");
        }

        KeptRows kept;
        if (runs.contains(QStringLiteral("preset")) || runs.contains(QStringLiteral("list"))) {
            const bench::RunKind kind {QStringLiteral("preset 9"), nullptr,
                                       [&](const QString& out) {
                                           tw::NullRunView view;
                                           tw::PresetInputs in;
                                           in.run.useQuery = false;
                                           in.run.reportDirectory = out;
                                           in.presetText = QStringLiteral("9 - Information");
                                           return tw::PresetDocs(services(view), kept).PresetDocsRun(in);
                                       },
                                       presetScript, nullptr};
            bench::Figures figures;
            const int rounds = runs.contains(QStringLiteral("preset")) ? a.rounds : 0;
            if (rounds == 0)
                kind.headless(root + QStringLiteral("/"));
            for (int i = 1; i <= rounds; ++i)
                bench::round(kind, i, root, program, figures, xvfb);
            if (rounds > 0)
                figures.print(QStringLiteral("preset \"9 - Information\", every version a row"), "");
        }
        if (runs.contains(QStringLiteral("list"))) {
            timeTheList(kept.rows);
            // The same through the program's window: the preset's script, and again with a click
            // on two headings (a text and a date column) and the copy to the clipboard.
            const QString out = root + QStringLiteral("/list-window/");
            QDir().mkpath(out);
            const QString listed = presetScript(out, true);
            const QString handled
                = listed + QStringLiteral("sort LV_Presets Subject\nsort LV_Presets \"Last Used\"\nclick Button13\n");
            for (const bool underX : {false, true}) {
                if ((underX && !xvfb) || qEnvironmentVariableIsSet("BENCH_HEADLESS"))
                    continue;
                bench::ProgramRun way = program;
                way.xvfb = underX;
                const double base = way.run(listed, QStringLiteral("listed.tw"));
                const double total = way.run(handled, QStringLiteral("handled.tw"));
                std::printf("  window %s: two column clicks and the clipboard over the full list %.2f s (program "
                            "%.2f s less %.2f s); resident memory peak %ld kB\n",
                            underX ? "xvfb-run" : "offscreen", total - base, total, base, way.peakKb);
            }
        }

        if (runs.contains(QStringLiteral("scan"))) {
            const QString tree = root + QStringLiteral("/tree");
            makeTree(tree, files);
            std::printf("made a tree of %lld files\n", static_cast<long long>(files));
            const bench::RunKind kind {
                QStringLiteral("scan"), nullptr,
                [&](const QString&) {
                    tw::NullRunView view;
                    NoCounters counters;
                    KeptRows rows;
                    const auto server = session.platform->CreateFileServer();
                    tw::StrayScan(services(view), counters, rows, *server).ScanFiles(tree, false);
                    return tw::RunOutcome {};
                },
                [&tree](const QString&, bool withRun) { return scanScript(tree, withRun); },
                [&tree](const QString& out) {
                    return bench::timeProcess(QStringLiteral("find"),
                                              {tree, QStringLiteral("-type"), QStringLiteral("f")},
                                              out + QStringLiteral("found.txt"));
                }};
            bench::Figures figures;
            for (int i = 1; i <= a.rounds; ++i)
                bench::round(kind, i, root, program, figures, xvfb);
            figures.print(QStringLiteral("stray-file scan, no candidates"), "find -type f");
        }
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_presets: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
