// Benchmark of the printable preset report over generated lists, offscreen, in one program run:
// - the preview: time until its first page is painted and resident memory with it open, then
//   after painting pages all through the report; side by side with Qt's QPrintPreviewDialog fed
//   by the same page painter (it paints every page before it shows one);
// - the PDF: time and resident memory while it is written (engine with its document
//   information), side by side with a bare QPdfWriter loop drawing the same cells;
// Run by hand: bench_reports [rows (10000,300000)] [with the Qt preview (1)] [folder to keep the PDFs in]
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
#include <QTemporaryDir>
#include <cstdio>
#include <memory>

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
    const bool written = tw::report::writePdf(path, form, QDateTime::currentDateTime(), &error,
                                              [&peak](int, int) { peak = std::max(peak, residentKb()); });
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
    const QDir dir(arguments.value(2, temporary.path()));
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
    return 0;
}
