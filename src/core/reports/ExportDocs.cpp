#include "ExportDocs.h"

#include "ExportList.h"
#include "ExportNaming.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/app/TabText.h"
#include "core/docinfo/CustomFields.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/runs/FileDate.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunView.h"
#include "core/runs/UsableFileType.h"
#include "gw/ObjectModel.h"

#include <QFile>
#include <QFileInfo>

namespace tw {

ExportDocs::ExportDocs(RunServices services) : m_services(std::move(services)) { }

RunDefinition ExportDocs::definition(std::function<QString()> queryString)
{
    RunDefinition d;
    d.modeLogTexts = {QStringLiteral("Exporting Documents - Query Results"),
                      QStringLiteral("Exporting Documents - Limited Full Library"),
                      QStringLiteral("Exporting Documents - Full Library"),
                      QStringLiteral("Exporting Documents - Export.Lst Text File")};
    d.modeStatusTexts
        = {QStringLiteral("Export (Query Results) Started"), QStringLiteral("Exporting (Limit Library) Started"),
           QStringLiteral("Export (Full Library) Started"), QStringLiteral("Exporting Export.Lst Text File Started")};
    d.reportName = QStringLiteral("Export.rpt");
    d.initialisedTitle = QStringLiteral(" Export Report File - Initialised at ");
    d.runHeadPrefix = QStringLiteral("Export Report on Library ");
    d.headAfterStart = [queryString = std::move(queryString)](RunMode mode) {
        // The query expression is written in the full-library modes too.
        QString modeLine;
        if (mode == RunMode::ListFile)
            modeLine = QStringLiteral("Export Documents listed in file Export.lst");
        else if (mode == RunMode::QueryResults)
            modeLine = QStringLiteral("Export Documents by Query on Library ") + queryString();
        else
            modeLine = QStringLiteral("Export Documents using Full Library ") + queryString();
        return QStringList {modeLine, QString()};
    };
    d.customFieldColumns = true;
    d.columnHeader = [](const QStringList& fields) -> QString {
        QString header = QStringLiteral("Export Status\tExported File\tDoc. Number\tDoc. Version");
        for (const QString& field : fields)
            header += QLatin1Char('\t') + field;
        return header;
    };
    d.unit = RunDefinition::Unit::Version;
    d.countedPer = RunDefinition::CountedPer::Version;
    d.unavailableCounts = RunDefinition::Count::Neither;
    d.listEntryFailure = [](const QString& entry, const QString& message) -> QString {
        return QStringLiteral("Export.lst error: ") + entry + QStringLiteral(" is not a number (") + message
            + QLatin1Char(')');
    };
    d.cancelText = QStringLiteral("Cancelling Export of Documents - Successful = ");
    d.completionText = [](bool cancelled) {
        return cancelled ? QStringLiteral("Export of Documents Cancelled - Successful = ")
                         : QStringLiteral("Export of Documents Completed - Successful = ");
    };
    d.closingLineInReport = true;
    d.finalStatus = QStringLiteral("Export Completed");
    return d;
}

QStringList ExportDocs::listEntries(const QString& programDirectory)
{
    m_services.log.ErrorCheck(QStringLiteral("Searching for Export.Lst File"), true, true);
    const QString path = programDirectory + QStringLiteral("Export.lst");
    if (!QFileInfo(path).isFile()) {
        m_services.log.ErrorCheck(QStringLiteral("Export.Lst File Not Found"), true, true);
        return {};
    }
    return ExportList::read(path);
}

QString ExportDocs::versionDirectory(const ExportInputs& inputs)
{
    FieldCatalogue& catalogue = m_services.catalogue;
    const CustomFields& custom = m_services.customFields;
    return ExportNaming::folderPath(
        inputs.run.reportDirectory, inputs.folderFields,
        [&](const QString& field) -> QString {
            const QString value = custom.GetCustGWFieldNames(
                field, [&catalogue](const QString& source) { return catalogue.GetGWFieldNames(source); });
            return value.isEmpty() ? catalogue.GetGWFieldNames(field) : value;
        },
        [this](const QString& message) {
            m_services.host.showMessage(kProgramTitle, message, RunHost::Icon::Warning);
        });
}

RunDefinition::Outcome ExportDocs::exportVersion(const ExportInputs& inputs)
{
    GwRefs& refs = m_services.refs;
    gw::Version& version = *refs.currentVersion;
    const qint64 d = refs.currentDocument->DocumentNumber();
    const int v = version.VersionNumber();
    const QDateTime date = FileDate::versionDate(version.CreationDate(), version.RetrievalDate());

    const QString fileType = version.OriginalFileType();
    const QString name = ExportNaming::fileName(d, v, fileType, refs.currentDocument->Subject(), inputs.options);
    if (!isUsableFileType(fileType)) {
        // Not copied out, and no folder made for it: its file would not land where the name says.
        const QString path = inputs.run.reportDirectory + name;
        m_services.view.setOutput(path);
        m_services.log.ErrorCheck(QStringLiteral("Failed to Export Document %1 Version %2").arg(d).arg(v)
                                      + unusableFileTypeReason(),
                                  true, true);
        return {RunDefinition::Count::Failure, QStringLiteral("Failure\t") + reportColumns(path, d, v)};
    }
    const QString path = versionDirectory(inputs) + name;
    m_services.view.setOutput(path);

    bool copied = false;
    try {
        version.Copyout(path);
        copied = QFileInfo(path).isFile();
    } catch (const gw::Error&) {
        copied = false;
    }
    const QString which = QStringLiteral("Document %1 Version %2 as %3").arg(d).arg(v).arg(path);
    RunDefinition::Outcome outcome;
    if (copied) {
        m_services.log.ErrorCheck(QStringLiteral("Successfully Exported ") + which, true, true);
        if (!FileDate::redate(path, date))
            m_services.log.ErrorCheck(QStringLiteral("Failed to Redate ") + which, true, true);
        outcome.count = RunDefinition::Count::Success;
        outcome.line = QStringLiteral("Success\t");
    } else {
        m_services.log.ErrorCheck(QStringLiteral("Failed to Export ") + which, true, true);
        outcome.count = RunDefinition::Count::Failure;
        outcome.line = QStringLiteral("Failure\t");
    }
    outcome.line += reportColumns(path, d, v);
    return outcome;
}

QString ExportDocs::reportColumns(const QString& path, qint64 number, int version)
{
    return TabText::join({path, QString::number(number), QString::number(version)});
}

RunOutcome ExportDocs::run(const ExportInputs& inputs)
{
    // The mode line reads the expression when the head is written, after a
    // query run has replaced it with the one it sent.
    RunDefinition d = definition([state = &m_services.state] { return state->QueryString; });
    d.versionWork = [this, &inputs](RunReport&) { return exportVersion(inputs); };
    RunInputs runInputs = inputs.run;
    runInputs.listEntries = nullptr;
    if (inputs.useExportList) {
        const QString directory = inputs.programDirectory;
        runInputs.listEntries = [this, directory] { return listEntries(directory); };
    }
    return RunFrame(m_services).run(d, runInputs);
}

} // namespace tw
