// Benchmark of the printable preset report over generated lists, offscreen, in one program run:
// - the preview: time until its first page is painted and resident memory with it open, then
//   after painting pages all through the report; side by side with Qt's QPrintPreviewDialog fed
//   by the same page painter (it paints every page before it shows one);
// - the PDF: time and resident memory while it is written (engine with its document
//   information), side by side with a bare QPdfWriter loop drawing the same cells;
// - the same through the program's window over a generated library (offscreen and under
//   xvfb-run): the preset run's script alone, then with "Print" (the preview open on its first
//   page) and with the PDF saved from the preview; the differences are the preview's and the
//   PDF's times, and the program's peak memory is shown for each.
// Run by hand: bench_reports [rows (10000,300000)] [with the Qt preview (1)] [folder to keep the PDFs in]
// [documents of the window runs, three versions each (3334, 0 for none)]
// With BENCH_HEADLESS set the window runs are left out.
#include "BenchWindow.h"
#include "ResidentMemory.h"
#include "core/lists/SortState.h"
#include "gui/host/GuiHost.h"
#include "gui/reports/TCVReport.h"
#include "gui/widgets/ReportDesk.h"
#include "gui/widgets/ReportPreview.h"
#include "gui/widgets/ResultListModel.h"
#include "report/ReportOutput.h"
#include "report/TextFit.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

void say(const QString& text)
{
    std::printf("%s\n", text.toLocal8Bit().constData());
    std::fflush(stdout);
}

QString subjectOf(int number)
{
    // Every seventh subject is long enough to be cut.
    return number % 7 == 0 ? QStringLiteral("Agreement on the supply of warehouse services, annex %1").arg(number)
                           : QStringLiteral("Warehouse summary %1").arg(number);
}

std::unique_ptr<tw::ResultListModel> presetList(tw::SortState& sort, int rows)
{
    std::unique_ptr<tw::ResultListModel> list(tw::ResultListModel::versionList(sort, nullptr));
    for (int number = 1; number <= rows; ++number) {
        tw::ResultRow row;
        row.texts = {QStringLiteral("%1").arg(number, 8),
                     QStringLiteral("1"),
                     subjectOf(number),
                     QStringLiteral("Library Administrator"),
                     QStringLiteral("Available"),
                     number % 3 ? QStringLiteral("<Never>") : QStringLiteral("14/08/2021")};
        row.hidden = QStringLiteral("In Library");
        list->addRow(row);
    }
    list->flush();
    return list;
}

void ourPreview(tw::ResultListModel& list, tw::GuiHost& host)
{
    tw::ReportDesk desk(host);
    const long before = residentKb();
    QElapsedTimer clock;
    clock.start();
    auto preview = std::make_unique<tw::ReportPreview>(
        desk,
        std::make_unique<tw::TCVReport>(list, QStringLiteral("9 - Information"), QStringLiteral("Author"),
                                        QStringLiteral("ANN")),
        false, nullptr);
    preview->resize(1400, 1000);
    preview->show();
    preview->grab(); // paints the first page
    const qint64 firstPage = clock.elapsed();
    const long open = residentKb();
    const int pages = preview->pageCount();
    clock.restart();
    const int step = std::max(1, pages / 200);
    int painted = 0;
    for (int page = 0; page < pages; page += step, ++painted) {
        preview->showPage(page);
        preview->grab();
    }
    preview->showPage(pages - 1);
    preview->grab();
    say(QStringLiteral("  preview (ours):     first page %1 ms, %2 pages; memory +%3 MB open, +%4 MB after painting "
                       "%5 pages through the report (%6 ms a page)")
            .arg(firstPage)
            .arg(pages)
            .arg((open - before) / 1024.0, 0, 'f', 1)
            .arg((residentKb() - before) / 1024.0, 0, 'f', 1)
            .arg(painted + 1)
            .arg(double(clock.elapsed()) / (painted + 1), 0, 'f', 1));
}

void qtPreview(tw::ResultListModel& list)
{
    tw::TCVReport form(list, QStringLiteral("9 - Information"), QStringLiteral("Author"), QStringLiteral("ANN"));
    const long before = residentKb();
    QElapsedTimer clock;
    clock.start();
    QPrinter printer(QPrinter::HighResolution);
    QPrintPreviewDialog dialog(&printer);
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, [&form](QPrinter* target) {
        const tw::report::ReportJob job
            = tw::report::prepareJob(form, QPageSize(QPageSize::A4), QDateTime::currentDateTime());
        tw::report::paintReport(*target, form, job);
    });
    dialog.resize(1400, 1000);
    dialog.show();
    dialog.grab();
    say(QStringLiteral("  preview (Qt's):     first page %1 ms; memory +%2 MB open")
            .arg(clock.elapsed())
            .arg((residentKb() - before) / 1024.0, 0, 'f', 1));
}

void ourPdf(tw::ResultListModel& list, const QString& path)
{
    tw::TCVReport form(list, QStringLiteral("9 - Information"), QStringLiteral("Author"), QStringLiteral("ANN"));
    const long before = residentKb();
    long peak = before;
    QElapsedTimer clock;
    clock.start();
    QString error;
    const bool written = tw::report::writePdf(path, form, QPageSize(QPageSize::A4), QDateTime::currentDateTime(),
                                              &error, [&peak](int, int) { peak = std::max(peak, residentKb()); });
    // The document information pass reads the written file once more: its peak counts too.
    peak = std::max(peak, highWaterKb());
    say(QStringLiteral("  PDF (engine):       %1 ms, %2 MB file, memory peak +%3 MB%4")
            .arg(clock.elapsed())
            .arg(QFileInfo(path).size() / 1048576.0, 0, 'f', 1)
            .arg((peak - before) / 1024.0, 0, 'f', 1)
            .arg(written ? QString() : QStringLiteral(" FAILED: ") + error));
}

// The same cells drawn by hand: one font, 47 rows a page, no bands, no document information.
void barePdf(tw::ResultListModel& list, const QString& path)
{
    const long before = residentKb();
    long peak = before;
    QElapsedTimer clock;
    clock.start();
    {
        QPdfWriter writer(path);
        writer.setResolution(600);
        writer.setPageSize(QPageSize(QPageSize::A4));
        QPainter painter(&writer);
        painter.scale(600 / 96.0, 600 / 96.0);
        painter.setFont(tw::report::reportFont(tw::report::ReportLayout(), false));
        const double mm = tw::report::kPixelsPerMm;
        const double columns[] = {0, 30, 45, 119.1, 166.7};
        for (int row = 0; row < list.rows(); ++row) {
            if (row > 0 && row % 47 == 0) {
                writer.newPage();
                peak = std::max(peak, residentKb());
            }
            const QStringList& texts = list.rowAt(row).texts;
            const double y = (27.7 + (row % 47) * 5.3) * mm;
            const int fields[] = {0, 1, 2, 3, 5};
            for (int c = 0; c < 5; ++c)
                painter.drawText(QPointF(columns[c] * mm, y), texts.at(fields[c]));
        }
    }
    say(QStringLiteral("  PDF (bare writer):  %1 ms, %2 MB file, memory peak +%3 MB")
            .arg(clock.elapsed())
            .arg(QFileInfo(path).size() / 1048576.0, 0, 'f', 1)
            .arg((peak - before) / 1024.0, 0, 'f', 1));
}

QString pdfPages(const QString& path)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {path});
    info.waitForFinished();
    for (const QByteArray& line : info.readAllStandardOutput().split('\n')) {
        if (line.startsWith("Pages:"))
            return QString::fromLatin1(line.mid(6).trimmed());
    }
    return QStringLiteral("?");
}

QString presetScript(const QString& out)
{
    return QStringLiteral("library PRESETS\ntab \"Preset Reports\"\nset Edit30 %1\nleave Edit30\n"
                          "choose RadioGroup2 \"Full Library\"\nchoose ComboB_Presets \"9 - Information\"\n"
                          "click Button3\nwait 36000\nexpect Label75 \"Preset Report Completed\"\n")
        .arg(bench::quoted(out));
}

void throughTheWindow(const QString& root, qint64 documents)
{
    const QString path = root + QStringLiteral("/reports-store");
    auto made = bench::Session::generated(path, QStringLiteral("PRESETS"), documents, 3);
    bench::openToThePerson(*made, QStringLiteral("PRESETS"));
    made.reset();
    const QString out = root + QStringLiteral("/window");
    QDir().mkpath(out);
    const QString listed = presetScript(out);
    const QString previewed
        = listed + QStringLiteral("click Button4\nexpect PreviewPage \"Page 1 of *\"\nclick PreviewClose\n");
    const QString saved = listed
        + QStringLiteral("click Button4\nsave %1\nclick PreviewSave\nwait 3600\nclick PreviewClose\n")
              .arg(bench::quoted(out + QStringLiteral("/window.pdf")));
    say(QStringLiteral("through the window, %1 documents x 3 versions:").arg(documents));
    for (const bool underX : {false, true}) {
        if (underX && !bench::haveXvfb())
            continue;
        // One runner per script, so that each peak is its own script's; the medians of three rounds.
        bench::ProgramRun ways[3] = {{path, root}, {path, root}, {path, root}};
        std::vector<double> times[3];
        const QString scripts[3] = {listed, previewed, saved};
        for (int round = 0; round < 3; ++round) {
            for (int i = 0; i < 3; ++i) {
                ways[i].xvfb = underX;
                times[i].push_back(ways[i].run(scripts[i], QStringLiteral("script%1.tw").arg(i)));
            }
        }
        const auto median = [](std::vector<double> values) {
            std::sort(values.begin(), values.end());
            return values.at(values.size() / 2);
        };
        const double base = median(times[0]);
        const double preview = median(times[1]);
        const double pdf = median(times[2]);
        say(QStringLiteral("  %1: preview %2 s, preview and PDF %3 s (program %4 s, %5 s, %6 s); peak memory "
                           "%7 MB listed, %8 MB with the preview, %9 MB with the PDF written; %10 pages")
                .arg(underX ? QStringLiteral("xvfb-run") : QStringLiteral("offscreen"))
                .arg(preview - base, 0, 'f', 2)
                .arg(pdf - base, 0, 'f', 2)
                .arg(base, 0, 'f', 2)
                .arg(preview, 0, 'f', 2)
                .arg(pdf, 0, 'f', 2)
                .arg(ways[0].peakKb / 1024.0, 0, 'f', 1)
                .arg(ways[1].peakKb / 1024.0, 0, 'f', 1)
                .arg(ways[2].peakKb / 1024.0, 0, 'f', 1)
                .arg(pdfPages(out + QStringLiteral("/window.pdf"))));
    }
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments().mid(1);
    const QStringList counts = arguments.value(0, QStringLiteral("10000,300000")).split(',');
    const bool withQt = arguments.value(1, QStringLiteral("1")) == QLatin1String("1");
    QTemporaryDir temporary;
    const QString keep = arguments.value(2);
    const QDir dir(keep.isEmpty() ? temporary.path() : keep);
    tw::GuiHost host;
    for (const QString& count : counts) {
        const int rows = count.toInt();
        tw::SortState sort;
        const long start = residentKb();
        std::unique_ptr<tw::ResultListModel> list = presetList(sort, rows);
        say(QStringLiteral("%1 rows (the list itself: +%2 MB)")
                .arg(rows)
                .arg((residentKb() - start) / 1024.0, 0, 'f', 1));
        ourPreview(*list, host);
        if (withQt && rows <= 20000)
            qtPreview(*list);
        ourPdf(*list, dir.filePath(QStringLiteral("engine.pdf")));
        barePdf(*list, dir.filePath(QStringLiteral("bare.pdf")));
    }
    const qint64 documents = arguments.value(3, QStringLiteral("3334")).toLongLong();
    if (documents > 0 && !qEnvironmentVariableIsSet("BENCH_HEADLESS"))
        throughTheWindow(temporary.path(), documents);
    return 0;
}
