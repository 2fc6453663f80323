// Benchmark of the mass runs through the real window against the same runs without one, in one
// program run: the field reporter over a generated library (five columns, Full Library) and the
// export of about 10 KB versions (one folder level, "Doc. Type"). Each round runs them headless
// through the run classes (events pumped after every document, as bench_runs does), then by the
// program itself carrying out a script, offscreen and under xvfb-run. A script run's time is the
// program's time with the run less the time of the same script without it (start, login, library
// selection and the tab's settings); the medians of the rounds are compared.
// Run by hand: bench_window [documents (100000)] [versions per document (3)] [export versions (10000)]
// [rounds (3)].
#include "BenchWindow.h"
#include "core/reports/ExportDocs.h"
#include "core/reports/ReportDocs.h"
#include "core/runs/NullRunView.h"

namespace {

using bench::quoted;
using bench::Session;

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

} // namespace

int main(int argc, char** argv)
{
    tw::settleLocalTimeZone(); // as the program does
    QCoreApplication app(argc, argv);
    const bench::Arguments arguments = bench::Arguments::read(argc, argv);
    const bool xvfb = bench::haveXvfb();
    QTemporaryDir dir;
    const QString root = dir.path();
    try {
        const QString reportStore = root + QStringLiteral("/report-store");
        auto made = Session::generated(reportStore, QStringLiteral("BIG"), arguments.documents, arguments.versions);
        bench::openToThePerson(*made, QStringLiteral("BIG"));
        Session reports(made, reportStore, QStringLiteral("BIG"));
        std::printf("generated %lld documents x %d versions\n", static_cast<long long>(arguments.documents),
                    arguments.versions);
        const bench::RunKind reporter {QStringLiteral("report"), nullptr,
                                       [&](const QString& out) {
                                           tw::NullRunView view;
                                           return tw::ReportDocs(
                                                      reports.services(reports.log, Session::hostRef(), view))
                                               .run(bench::reporterInputs(out));
                                       },
                                       reporterScript, nullptr};
        bench::Figures reporterFigures;
        for (int i = 1; i <= arguments.rounds; ++i)
            bench::round(reporter, i, root, bench::ProgramRun(reportStore, root), reporterFigures, xvfb);

        const QString exportStore = root + QStringLiteral("/export-store");
        auto exportMade = Session::generated(exportStore, QStringLiteral("EXPORT"), arguments.exportVersions, 1);
        bench::openToThePerson(*exportMade, QStringLiteral("EXPORT"));
        bench::growContent(exportMade->filesDirectory());
        Session exports(exportMade, exportStore, QStringLiteral("EXPORT"));
        const bench::RunKind exporter {QStringLiteral("export"), nullptr,
                                       [&](const QString& out) {
                                           tw::NullRunView view;
                                           return tw::ExportDocs(
                                                      exports.services(exports.log, Session::hostRef(), view))
                                               .run(bench::exportInputs(out));
                                       },
                                       exportScript, nullptr};
        bench::Figures exportFigures;
        for (int i = 1; i <= arguments.rounds; ++i)
            bench::round(exporter, i, root, bench::ProgramRun(exportStore, root), exportFigures, xvfb);
        reporterFigures.print(QStringLiteral("field reporter, five columns"), "");
        exportFigures.print(QStringLiteral("export of ~10 KB versions"), "");
    } catch (const gw::Error& e) {
        std::fprintf(stderr, "bench_window: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}
