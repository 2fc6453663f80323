#pragma once

#include "ReportForm.h"

#include <QPageSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPrinter;

namespace tw::report {

// Told after each page painted or each row written: how far, out of how many.
using Progress = std::function<void(int done, int total)>;

// Runs the form's hook for one printing or export on the given printer paper.
ReportJob prepareJob(ReportForm& form, const QPageSize& printerPaper, const QDateTime& time);

// Lays the report out on the device's paper and paints every page: the printer's way and the
// PDF's. False when the device cannot be painted on.
bool paintReport(QPagedPaintDevice& device, ReportForm& form, const ReportJob& job, const Progress& progress = {});

// Prints the report on the printer's paper. A printer that writes a PDF file gives it the
// document information a saved PDF has. False with `error` set on failure.
bool printReport(QPrinter& printer, ReportForm& form, const QDateTime& time, QString* error,
                 const Progress& progress = {});

// Writes the report as a PDF on `paper` (the paper it would be printed on) with its document
// information. The file is written whole or not at all; false with `error` set on failure.
bool writePdf(const QString& path, ReportForm& form, const QPageSize& paper, const QDateTime& time, QString* error,
              const Progress& progress = {});

} // namespace tw::report
