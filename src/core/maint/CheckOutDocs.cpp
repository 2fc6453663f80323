#include "CheckOutDocs.h"

#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/app/TabText.h"
#include "core/runs/FileDate.h"
#include "core/runs/RunFrame.h"
#include "core/runs/RunView.h"
#include "core/runs/UsableFileType.h"
#include "gw/ObjectModel.h"

#include <QFileInfo>

namespace tw {

CheckOutDocs::CheckOutDocs(RunServices services) : m_services(std::move(services)) { }

QString CheckOutDocs::extraTerms()
{
    return QStringLiteral(" AND NOT DOCVERSION_CHECKED_OUT AND NOT DOCVERSION_IN_USE"
                          " AND NOT DOCVERSION_CONNECTED_READ_WRITE AND NOT DOCVERSION_ARCHIVED");
}

QString CheckOutDocs::fileName(const QString& directory, qint64 number, int version, const QString& fileType)
{
    const QString name = directory + QString::number(number) + QLatin1Char('_') + QString::number(version);
    return isUsableFileType(fileType) ? name + QLatin1Char('.') + fileType : name;
}

RunDefinition CheckOutDocs::definition(const RunState& state)
{
    MaintTexts texts;
    texts.modeLog = QStringLiteral("Checking Out Documents");
    texts.modeStatus = QStringLiteral("Check Out");
    texts.reportName = QStringLiteral("Checkout.rpt");
    texts.initialisedTitle = QStringLiteral(" Check Out Report File - Initialised at ");
    texts.runHeadPrefix = QStringLiteral("Check Out Report on Library ");
    texts.queryLinePrefix = QStringLiteral("Check Out Query on Library ");
    texts.columnHeader = QStringLiteral("Check Out Status\tChecked Out File\tDoc. Number\tDoc. Version");
    texts.cancelText = QStringLiteral("Cancelling Check Out of Documents - Successful = ");
    texts.completionText = QStringLiteral("Check Out of Documents Completed - Successful = ");
    texts.finalStatus = QStringLiteral("Check Out Completed");
    RunDefinition d = maintDefinition(texts, state);
    d.queryExtraTerms = extraTerms();
    return d;
}

RunOutcome CheckOutDocs::BCheckOutClick(const MaintInputs& inputs)
{
    OperationLog& log = m_services.log;
    RunState& state = m_services.state;
    log.ErrorCheck(QStringLiteral("Starting Document Check Out"), true, false);
    const QString remembered = state.QueryString;
    state.QueryString += extraTerms();
    for (const QString& line :
         {QString(), QString(QStringLiteral("Starting Document Check Out - ") + state.QueryString), QString()})
        log.ErrorCheck(line, false, true);
    // The expression goes back as it was, however the run ends.
    struct PutBack
    {
        RunState& state;
        QString text;
        ~PutBack() { state.QueryString = text; }
    };
    RunOutcome outcome;
    {
        PutBack putBack {state, remembered};
        outcome = CheckOutDocsRun(inputs);
    }
    log.ErrorCheck(RunFrame::endText(QStringLiteral("Completed Document Check Out"), outcome), true, true);
    return outcome;
}

RunOutcome CheckOutDocs::CheckOutDocsRun(const MaintInputs& inputs)
{
    const QString directory = inputs.checkOutDirectory;
    if (!QFileInfo(directory).isDir()) {
        // Removed since its field was left: the field's own message, rather than a failure
        // for every version; the daily log keeps it too.
        RunOutcome outcome;
        outcome.error = QStringLiteral("Selected Check Out Directory does not exist");
        m_services.log.ErrorCheck(outcome.error, true, true);
        m_services.host.showMessage(kProgramTitle, outcome.error, RunHost::Icon::Warning);
        return outcome;
    }
    RunDefinition d = definition(m_services.state);
    d.versionWork = [this, directory](RunReport&) { return checkOutVersion(directory); };
    RunInputs runInputs = inputs.run;
    runInputs.listEntries = nullptr;
    return RunFrame(m_services).run(d, runInputs);
}

RunDefinition::Outcome CheckOutDocs::checkOutVersion(const QString& directory)
{
    GwRefs& refs = m_services.refs;
    gw::Version& version = *refs.currentVersion;
    const qint64 d = refs.currentDocument->DocumentNumber();
    const int v = version.VersionNumber();
    const QDateTime date = FileDate::versionDate(version.CreationDate(), version.RetrievalDate());
    const QString fileType = version.OriginalFileType();
    const QString path = fileName(directory, d, v, fileType);
    m_services.view.setOutput(path);
    const QString which
        = QStringLiteral("Document ") + QString::number(d) + QStringLiteral(" Version ") + QString::number(v);
    OperationLog& log = m_services.log;
    RunDefinition::Outcome outcome;
    if (!isUsableFileType(fileType)) {
        // Not checked out: its file would not land where the name says.
        log.ErrorCheck(QStringLiteral("Failed to Check Out ") + which + unusableFileTypeReason(), true, true);
        outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
        outcome.line += reportColumns(path, d, v);
        return outcome;
    }

    bool failed = false;
    QString storeUnavailable;
    try {
        version.CheckOut(path);
    } catch (const gw::Error& error) {
        failed = true;
        if (error.storeUnavailable())
            storeUnavailable = error.message();
    }
    if (failed) {
        log.ErrorCheck(QStringLiteral("Failed to Checkout ") + which + QStringLiteral(" as ") + path, true, true);
        outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
    } else if (!QFileInfo(path).isFile()) {
        log.ErrorCheck(QStringLiteral("Failed to Check Out ") + which + QStringLiteral(" as ") + path, true, true);
        outcome = {RunDefinition::Count::Failure, QStringLiteral("Failure\t")};
    } else {
        log.ErrorCheck(QStringLiteral("Successfully Checked Out ") + which + QStringLiteral(" as ") + path, true, true);
        if (!FileDate::redate(path, date))
            log.ErrorCheck(QStringLiteral("Failed to Redate ") + which + QStringLiteral(" as ") + path, true, true);
        outcome = {RunDefinition::Count::Success, QStringLiteral("Success\t")};
    }
    outcome.line += reportColumns(path, d, v);
    outcome.storeUnavailable = storeUnavailable;
    return outcome;
}

QString CheckOutDocs::reportColumns(const QString& file, qint64 number, int version)
{
    return TabText::join({file, QString::number(number), QString::number(version)});
}

} // namespace tw
