#pragma once

#include "ExportOptions.h"
#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

#include <QDateTime>

namespace tw {

// What the Export tab gathers for one run, beside the common run inputs
// (whose `reportDirectory` is the top output directory and whose
// `extraFields` are the Reporter tab's chosen fields).
struct ExportInputs
{
    RunInputs run;
    QStringList folderFields; // the chosen folder fields, top level first
    ExportOptions options;
    bool useExportList = false; // "Use Export.lst"
    QString programDirectory; // where "Export.lst" is looked for; ends in the separator
};

// The mass export: copies the file of every chosen version out into a tree
// of folders named after fields, names each file by the export options,
// dates it from the version and reports it in "Export.rpt", which gets a
// closing line with the counts. Successes and failures count versions.
class ExportDocs
{
public:
    explicit ExportDocs(RunServices services);

    RunOutcome run(const ExportInputs& inputs);

    // `queryString` gives the current query expression for the mode line.
    static RunDefinition definition(std::function<QString()> queryString);

private:
    RunDefinition::Outcome exportVersion(const ExportInputs& inputs);
    // The current version's folder below the top output directory, made where missing.
    QString versionDirectory(const ExportInputs& inputs);
    // The columns after a report line's result word: the path, the document and the version number.
    static QString reportColumns(const QString& path, qint64 number, int version);
    QStringList listEntries(const QString& programDirectory);

    RunServices m_services;
};

} // namespace tw
