#include "PresetDocs.h"

#include "PresetTests.h"
#include "core/app/GwRefs.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/TabText.h"
#include "core/docinfo/FieldCatalogue.h"
#include "core/lists/ResultSink.h"
#include "core/lists/RowTexts.h"
#include "core/runs/RunFrame.h"
#include "gw/ObjectModel.h"

namespace tw {

namespace {

ResultRow missingNumberRow(qint64 number)
{
    ResultRow row;
    row.texts = {paddedNumber(number), QStringLiteral("1")};
    for (int i = 0; i < 4; ++i)
        row.texts.append(QStringLiteral("Unknown"));
    row.hidden = QStringLiteral("Unknown");
    return row;
}

} // namespace

PresetDocs::PresetDocs(RunServices services, ResultSink& list) : m_services(std::move(services)), m_list(list) { }

const QStringList& PresetDocs::fileHeader()
{
    static const QStringList header {QStringLiteral("Doc. Number"), QStringLiteral("Doc. Version"),
                                     QStringLiteral("Subject"),     QStringLiteral("Author"),
                                     QStringLiteral("Status"),      QStringLiteral("Last Used"),
                                     QStringLiteral("File Name")};
    return header;
}

int PresetDocs::presetNumber(const QString& presetText)
{
    const qsizetype dash = presetText.indexOf(QStringLiteral(" - "));
    return dash < 0 ? 0 : presetText.left(dash).toInt();
}

QString PresetDocs::fourthCaption(int preset)
{
    return preset >= 3 && preset <= 5 ? QStringLiteral("Modifier") : QStringLiteral("Author");
}

RunDefinition PresetDocs::definition()
{
    RunDefinition d;
    d.modeLogTexts = {QStringLiteral("Reporting Documents - Query Results"),
                      QStringLiteral("Reporting Documents - Limited Full Library"),
                      QStringLiteral("Reporting Documents - Full Library")};
    d.modeStatusTexts
        = {QStringLiteral("Report (Query Results) Started"), QStringLiteral("Reporting (Limit Library) Started"),
           QStringLiteral("Reporting (Full Library) Started")};
    d.reportName = QStringLiteral("Presets.rpt");
    d.reportOnlyWithDirectory = true;
    d.initialisedTitle = QStringLiteral(" Library Presets Report File - Initialised at ");
    d.runHeadPrefix = QStringLiteral("Preset Report on Library ");
    d.headAfterStart = [](RunMode) { return QStringList {QString()}; };
    d.columnHeader = [](const QStringList&) { return fileHeader().join(QLatin1Char('\t')); };
    d.unit = RunDefinition::Unit::Version;
    d.countedPer = RunDefinition::CountedPer::Document;
    d.unavailableCounts = RunDefinition::Count::Failure;
    d.cancelText = QStringLiteral("Cancelling Preset Report of Documents - Successful = ");
    d.completionText = [](bool) { return QStringLiteral("Preset Report of Documents Completed - Successful = "); };
    d.finalStatus = QStringLiteral("Preset Report Completed");
    return d;
}

RunOutcome PresetDocs::PresetDocsRun(const PresetInputs& inputs)
{
    RunDefinition d = definition();
    d.beforeWalk = [this, &inputs] {
        m_list.clearRows();
        m_preset = presetNumber(inputs.presetText);
        m_list.setColumnCaption(3, fourthCaption(m_preset));
    };
    d.takeUnavailable = [this](qint64 index) {
        if (m_preset != kMissingNumbers)
            return false;
        m_list.addRow(missingNumberRow(index));
        return true;
    };
    d.versionWork = [this, &inputs](RunReport& report) { return checkVersion(inputs, report); };
    return RunFrame(m_services).run(d, inputs.run);
}

RunDefinition::Outcome PresetDocs::checkVersion(const PresetInputs& inputs, RunReport& /*report*/)
{
    GwRefs& refs = m_services.refs;
    const QString document = QString::number(refs.currentDocument->DocumentNumber());
    const QString version = QString::number(refs.currentVersion->VersionNumber());
    m_services.log.ErrorCheck(QStringLiteral("Checking Document ") + document + QStringLiteral(" Version ") + version,
                              true, false);
    RunDefinition::Outcome outcome;
    try {
        bool known = true;
        if (!runTest(&known)) {
            if (!known)
                m_services.host.showMessage(kProgramTitle, QStringLiteral("Unknown Option") + inputs.presetText,
                                            RunHost::Icon::Warning);
            return outcome;
        }
        ResultRow row = rowOf(m_preset);
        // The list keeps the values whole; in the report each is one column.
        outcome.line = TabText::join(row.texts + QStringList {row.hidden});
        m_list.addRow(std::move(row));
    } catch (const gw::Error& error) {
        // One version that cannot be judged does not end the report on the others.
        m_services.log.ErrorCheck(QStringLiteral("Error: Cannot Check Document ") + document
                                      + QStringLiteral(" Version ") + version + QStringLiteral(" (") + error.message()
                                      + QLatin1Char(')'),
                                  true, true);
    }
    return outcome;
}

bool PresetDocs::runTest(bool* known)
{
    gw::Document& document = *m_services.refs.currentDocument;
    gw::Version& version = *m_services.refs.currentVersion;
    switch (m_preset) {
    case 1:
        return PresetNoSubject(document);
    case 2:
        return PresetArchived(version);
    case 3:
        return PresetCheckedOut(version);
    case 4:
        return PresetInUseAll(version);
    case 5:
        return PresetInUseOnly(version);
    case kMissingNumbers:
        return false;
    case 7:
        return PresetNoBlob(m_services.catalogue.GetDocSize());
    case 8:
        return NotShared(document, version,
                         [this](const QString& text) { m_services.log.ErrorCheck(text, true, false); });
    case 9:
        return true;
    default:
        *known = false;
        return false;
    }
}

ResultRow PresetDocs::rowOf(int preset)
{
    GwRefs& refs = m_services.refs;
    FieldCatalogue& fields = m_services.catalogue;
    const bool modifier = preset >= 3 && preset <= 5;
    const QString staged = refs.currentVersion->StagedFileName();
    ResultRow row;
    row.texts
        = {paddedNumber(refs.currentDocument->DocumentNumber()),
           QString::number(refs.currentVersion->VersionNumber()),
           refs.currentDocument->Subject(),
           modifier ? refs.currentVersion->Retriever()->DisplayName() : refs.currentDocument->Author()->DisplayName(),
           fields.GetGWFieldNames(QStringLiteral("Doc. Status")),
           lastUsedText(refs, fields)};
    row.hidden = staged.isEmpty() ? QStringLiteral("In Library") : staged;
    return row;
}

} // namespace tw
