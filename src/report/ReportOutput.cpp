#include "ReportOutput.h"

#include "PagePainter.h"
#include "Pagination.h"
#include "PdfInfoWriter.h"
#include "TextFit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QTemporaryFile>

namespace tw::report {

namespace {

// Fine enough for print, and small files for lists of many thousand rows.
const int kPdfResolution = 600;

} // namespace

ReportJob prepareJob(ReportForm& form, const QPageSize& printerPaper, const QDateTime& time)
{
    ReportJob job;
    job.printerPaper = printerPaper.isValid() ? printerPaper : QPageSize(QPageSize::A4);
    job.printTime = time;
    form.beforePrint(job);
    return job;
}

bool paintReport(QPagedPaintDevice& device, ReportForm& form, const ReportJob& job, const Progress& progress)
{
    const ReportLayout& layout = form.layout();
    const double margin = layout.marginMm;
    device.setPageLayout(
        QPageLayout(job.paper, layout.orientation, QMarginsF(margin, margin, margin, margin), QPageLayout::Millimeter));
    const QSizeF printable = device.pageLayout().paintRect(QPageLayout::Millimeter).size();
    const Pagination pages = Pagination::paginate(layout, printable, form.feed());
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.scale(device.logicalDpiX() / kReportDpi, device.logicalDpiY() / kReportDpi);
    PagePainter pagePainter(layout, pages, form.feed(), printTimeText(job.printTime));
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0 && !device.newPage())
            return false;
        pagePainter.paint(painter, page);
        if (progress)
            progress(page + 1, pages.pageCount());
    }
    return painter.end();
}

bool printReport(QPrinter& printer, ReportForm& form, const QDateTime& time, QString* error, const Progress& progress)
{
    const ReportJob job = prepareJob(form, printer.pageLayout().pageSize(), time);
    // The name the print queue shows, and a PDF's title.
    printer.setDocName(job.info.title);
    printer.setCreator(QCoreApplication::applicationName());
    if (!paintReport(printer, form, job, progress)) {
        if (error)
            *error = QStringLiteral("The report could not be printed.");
        return false;
    }
    const QString file = printer.outputFileName();
    if (printer.outputFormat() != QPrinter::PdfFormat || file.isEmpty())
        return true;
    QString why;
    if (!writeWithPdfInfo(file, file, job.info, &why)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(file), why);
        return false;
    }
    return true;
}

bool writePdf(const QString& path, ReportForm& form, const QPageSize& paper, const QDateTime& time, QString* error,
              const Progress& progress)
{
    const ReportJob job = prepareJob(form, paper, time);
    const QFileInfo target(path);
    QTemporaryFile raw(target.absoluteDir().filePath(QStringLiteral(".%1.XXXXXX").arg(target.fileName())));
    if (!raw.open()) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), raw.errorString());
        return false;
    }
    raw.close();
    {
        QPdfWriter writer(raw.fileName());
        writer.setResolution(kPdfResolution);
        writer.setTitle(job.info.title);
        writer.setCreator(QCoreApplication::applicationName());
        if (!paintReport(writer, form, job, progress)) {
            if (error)
                *error = QStringLiteral("Cannot write %1").arg(QDir::toNativeSeparators(path));
            return false;
        }
    }
    QString why;
    if (!writeWithPdfInfo(raw.fileName(), path, job.info, &why)) {
        if (error)
            *error = QStringLiteral("Cannot write %1: %2").arg(QDir::toNativeSeparators(path), why);
        return false;
    }
    return true;
}

QString printTimeText(const QDateTime& time)
{
    return time.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

} // namespace tw::report
