#include "RunFrame.h"

#include "FieldColumns.h"
#include "RunView.h"
#include "core/app/DateTimeText.h"
#include "core/app/GwRefs.h"
#include "core/app/IoError.h"
#include "core/app/LibraryCheck.h"
#include "core/app/OperationLog.h"
#include "core/app/ProgramIdentity.h"
#include "core/app/RunHost.h"
#include "core/app/RunState.h"
#include "core/app/TabText.h"
#include "core/query/QueryRunner.h"
#include "gw/ObjectModel.h"

#include <QtMath>

namespace tw {

RunFrame::RunFrame(RunServices services) : m_services(std::move(services))
{
    // The report's path is checked once per document rather than for each of its lines.
    m_report.setPathCheck(LineFile::PathCheck::WhenAsked);
}

QString RunFrame::countsText(const QString& prefix, int successes, int failures)
{
    return prefix + QString::number(successes) + QStringLiteral("/ Failed = ") + QString::number(failures);
}

QString RunFrame::stoppedText(const QString& text)
{
    QString stopped = text;
    stopped.replace(QLatin1String("Completed"), QLatin1String("stopped"));
    if (stopped.startsWith(QLatin1String("stopped")))
        stopped[0] = QLatin1Char('S');
    return stopped;
}

QString RunFrame::endText(const QString& text, const RunOutcome& outcome)
{
    return outcome.stopped() ? stoppedText(text) : text;
}

QString RunFrame::notDoneText(const QString& text)
{
    QString notDone = text;
    notDone.replace(QLatin1String("Completed"), QLatin1String("Not Done"));
    return notDone;
}

QString RunFrame::reportPath() const
{
    return m_inputs->reportDirectory + m_definition->reportName;
}

RunOutcome RunFrame::run(const RunDefinition& definition, const RunInputs& inputs)
{
    m_definition = &definition;
    m_inputs = &inputs;
    m_outcome = RunOutcome {};
    m_gate = definition.changesLibrary ? ChangeGate(m_services.state) : ChangeGate();
    m_headWritten = false;
    m_closingWritten = false;
    // A report removed during the run starts again, in a new file, with the head a new file gets.
    m_report.setNewFileHeader([this] { return newFileHeader(); });
    m_services.view.setProgress(0);
    m_services.host.setBusyCursor(true);
    const BusyMark busy(m_services.state);
    m_services.state.CancelRequested = false;

    // Whatever leaves the walk, even an error nobody expected, the program ends as it was found.
    struct EndGuard
    {
        RunFrame& frame;
        ~EndGuard() { frame.endRun(); }
    } endGuard {*this};

    try {
        if (const QString missing = missingForLibraryWork(m_services.refs); !missing.isEmpty()) {
            m_outcome.error = missing;
            m_services.log.ErrorCheck(missing, true, true);
            m_services.host.showMessage(kProgramTitle, missing, RunHost::Icon::Warning);
            return m_outcome;
        }
        const Span span = chooseDocuments();
        m_outcome.total = qMax<qint64>(0, span.high - span.low + 1);
        if (m_outcome.total == 0) {
            m_services.host.showMessage(kProgramTitle, QStringLiteral("Query found no documents"),
                                        RunHost::Icon::Information);
        } else {
            walk(span);
        }
    } catch (const IoError& error) {
        stopAfterError(error.message());
    } catch (const gw::Error& error) {
        stopAfterError(error.message());
    }
    return m_outcome;
}

RunFrame::Span RunFrame::chooseDocuments()
{
    Span span;
    if (m_inputs->listEntries) {
        m_outcome.mode = RunMode::ListFile;
        span.entries = m_inputs->listEntries();
        span.high = span.entries.size();
    } else if (m_inputs->useQuery) {
        m_outcome.mode = RunMode::QueryResults;
        m_services.view.setRunStatus(QStringLiteral("Running Query"));
        span.high = m_services.queryRunner.RunQuery(m_definition->queryExtraTerms);
        m_services.view.setRunStatus(QStringLiteral("Query returned %1 documents").arg(span.high));
    } else {
        const DocumentRange range = CheckRange(m_inputs->rangeLowText, m_inputs->rangeHighText,
                                               m_services.refs.selectedLibrary->NextDocumentNumber());
        m_outcome.range = range;
        m_outcome.mode = range.RangeGiven ? RunMode::LimitedFullLibrary : RunMode::FullLibrary;
        span.low = range.low;
        span.high = range.high;
    }
    return span;
}

void RunFrame::writeHead()
{
    const QString stamp = DateTimeText::format(m_services.clock());
    QStringList lines {QString(),
                       m_definition->runHeadPrefix + TabText::cell(m_services.refs.selectedLibrary->Name())
                           + QStringLiteral(" - Started at ") + stamp};
    // The lines after it are single texts (the query line): a TAB in the expression starts no column.
    if (m_definition->headAfterStart) {
        for (const QString& line : m_definition->headAfterStart(m_outcome.mode))
            lines.append(TabText::cell(line));
    }
    const QStringList extraFields = m_definition->customFieldColumns ? m_inputs->extraFields : QStringList();
    if (m_definition->customFieldColumns)
        lines += FieldColumns::definitionBlock(m_services.customFields);
    if (m_definition->columnHeader)
        lines.append(m_definition->columnHeader(extraFields));
    writeReport(lines, newFileHeader());
    m_headWritten = true;
}

QStringList RunFrame::newFileHeader() const
{
    return {m_services.programName + m_definition->initialisedTitle + DateTimeText::format(m_services.clock()),
            QString()};
}

void RunFrame::walk(const Span& span)
{
    if (m_definition->beforeWalk)
        m_definition->beforeWalk();
    m_services.view.setProgress(0);
    const int modeIndex = static_cast<int>(m_outcome.mode);
    m_services.log.ErrorCheck(m_gate.closing(m_definition->modeLogTexts.value(modeIndex)), true, true);
    m_services.view.setRunStatus(m_gate.closing(m_definition->modeStatusTexts.value(modeIndex)));
    writeHead();

    for (qint64 index = span.low; index <= span.high; ++index) {
        handleDocument(index, span);
        const double done = static_cast<double>(index - span.low + 1) / static_cast<double>(m_outcome.total);
        m_services.view.setProgress(qRound(done * 100.0));
        m_services.host.pumpEvents();
        if (m_services.state.CancelRequested) {
            m_outcome.cancelled = true;
            m_services.log.ErrorCheck(m_gate.closing(closingText(m_definition->cancelText)), true, true);
            break;
        }
    }
    // The completion text is written after a cancel too.
    writeClosing();
    m_report.close();
}

// The completion text with the counts; after a stop it says so ("... stopped - Successful = ...").
void RunFrame::writeClosing()
{
    m_closingWritten = true;
    const QString closing
        = m_gate.closing(closingText(endText(m_definition->completionText(m_outcome.cancelled), m_outcome)));
    m_services.log.ErrorCheck(closing, true, true);
    if (m_definition->closingLineInReport && m_headWritten) {
        m_report.checkPathBeforeNextWrite();
        writeReport({closing});
    }
    // Counts of failures alone do not say why; a run the store refused throughout says so last.
    if (m_outcome.nothingDone())
        m_services.log.ErrorCheck(
            notDoneText(m_definition->finalStatus) + QStringLiteral(": ") + m_outcome.storeUnavailable, true, true);
}

QString RunFrame::closingText(const QString& prefix) const
{
    if (m_definition->countedPer == RunDefinition::CountedPer::Nothing)
        return prefix;
    return countsText(prefix, m_outcome.successes, m_outcome.failures);
}

std::shared_ptr<gw::Document> RunFrame::fetchDocument(qint64 index, const Span& span, std::shared_ptr<gw::Message>* hit)
{
    GwRefs& refs = m_services.refs;
    switch (m_outcome.mode) {
    case RunMode::QueryResults:
        *hit = refs.queryResults->Item(static_cast<int>(index));
        return (*hit)->Document();
    case RunMode::ListFile: {
        const QString entry = span.entries.at(static_cast<int>(index - 1));
        bool ok = false;
        const qint64 number = entry.trimmed().toLongLong(&ok);
        if (!ok)
            throw gw::Error(QStringLiteral("'%1' is not a valid integer value").arg(entry));
        return refs.selectedLibrary->GetDocument(QString::number(number));
    }
    case RunMode::LimitedFullLibrary:
    case RunMode::FullLibrary:
        break;
    }
    return refs.selectedLibrary->GetDocument(QString::number(index));
}

void RunFrame::handleDocument(qint64 index, const Span& span)
{
    GwRefs& refs = m_services.refs;
    RunView& view = m_services.view;
    m_report.checkPathBeforeNextWrite();
    m_counter = index;
    refs.currentDocument.reset();
    refs.currentVersion.reset();
    const bool fromList = m_outcome.mode == RunMode::ListFile;
    QString shown = fromList ? span.entries.at(static_cast<int>(index - 1)) : QString::number(index);
    std::shared_ptr<gw::Message> hit;
    std::shared_ptr<gw::Document> document;
    try {
        document = fetchDocument(index, span, &hit);
        shown = QString::number(document->DocumentNumber());
        refs.currentDocument = document;
    } catch (const gw::Error& error) {
        document.reset();
        if (fromList) {
            m_services.log.ErrorCheck(m_definition->listEntryFailure(shown, error.message()), true, true);
            add(RunDefinition::Count::Failure);
        } else if (m_definition->takeUnavailable && m_definition->takeUnavailable(index)) {
            add(RunDefinition::Count::Success);
        } else {
            m_services.log.ErrorCheck(QStringLiteral("Document %1 is not Available").arg(index), true, true);
            add(m_definition->unavailableCounts);
        }
        view.setSubject(QString());
        view.setVersion(QString());
        view.setExtension(QString());
    }
    view.setDocumentNumber(shown);
    m_services.host.pumpEvents();
    if (!document)
        return;

    // The subject is only shown: a document whose subject cannot be read is still worked on, and
    // the run's own reads report what they cannot read.
    try {
        view.setSubject(document->Subject());
    } catch (const gw::Error&) {
        view.setSubject(QString());
    }
    if (m_definition->countedPer == RunDefinition::CountedPer::Document)
        add(RunDefinition::Count::Success);
    if (m_definition->unit == RunDefinition::Unit::Document)
        handleOutcome(m_definition->documentWork(*this));
    else
        walkVersions(*document, hit);
}

void RunFrame::walkVersions(gw::Document& document, const std::shared_ptr<gw::Message>& hit)
{
    if (hit) {
        // A query hit stands for exactly one version.
        handleVersion(hit->DocumentVersion());
        return;
    }
    const auto versions = document.DocumentVersions();
    const int count = versions->Count();
    for (int v = 1; v <= count; ++v) {
        std::shared_ptr<gw::Version> version;
        try {
            version = versions->Item(v);
        } catch (const gw::Error& error) {
            m_services.log.ErrorCheck(
                QStringLiteral("Error: Cannot Retrieve Document Version %1 (%2)").arg(v).arg(error.message()), true,
                false);
            continue;
        }
        handleVersion(version);
    }
}

void RunFrame::handleVersion(const std::shared_ptr<gw::Version>& version)
{
    m_services.refs.currentVersion = version;
    m_services.view.setVersion(QString::number(version->VersionNumber()));
    m_services.view.setExtension(version->OriginalFileType());
    handleOutcome(m_definition->versionWork(*this));
}

void RunFrame::handleOutcome(const RunDefinition::Outcome& outcome)
{
    add(outcome.count);
    if (!outcome.storeUnavailable.isEmpty()) {
        // Told for each unit: a lock may pass, so later units may still succeed.
        m_outcome.storeUnavailable = outcome.storeUnavailable;
        m_services.log.ErrorCheck(outcome.storeUnavailable, true, true);
    }
    if (outcome.line.isEmpty())
        return;
    QString line = m_gate.outcome(outcome.line);
    if (m_definition->customFieldColumns) {
        FieldColumns columns(m_services.catalogue, m_services.customFields);
        line += columns.values(m_inputs->extraFields);
    }
    if (m_definition->showLineAsOutput)
        m_services.view.setOutput(line);
    // Each line goes to the file with its own write, so a cancel or crash keeps every finished line.
    writeReport(outcome.emptyLineAfter ? QStringList {line, QString()} : QStringList {line});
}

void RunFrame::append(const QString& line)
{
    writeReport({line});
}

void RunFrame::appendLines(const QStringList& lines)
{
    writeReport(lines);
}

bool RunFrame::hasReport() const
{
    return !m_definition->reportOnlyWithDirectory || !m_inputs->reportDirectory.trimmed().isEmpty();
}

void RunFrame::writeReport(const QStringList& lines, const QStringList& header)
{
    if (hasReport())
        m_report.write(reportPath(), lines, header);
}

void RunFrame::add(RunDefinition::Count count)
{
    if (count == RunDefinition::Count::Success)
        ++m_outcome.successes;
    else if (count == RunDefinition::Count::Failure)
        ++m_outcome.failures;
}

void RunFrame::stopAfterError(const QString& message)
{
    m_outcome.error = message;
    const QString text = QStringLiteral("Run stopped after an error: ") + message;
    // The error stays in the log, followed by the counts the run had reached when it stopped.
    try {
        m_services.log.ErrorCheck(text, true, true);
        if (!m_closingWritten)
            writeClosing();
    } catch (const IoError&) {
        // The daily log or the report may be what failed; the message box still tells the user.
    }
    m_services.host.showMessage(kProgramTitle, text, RunHost::Icon::Error);
}

void RunFrame::endRun()
{
    try {
        m_report.close();
    } catch (const IoError&) {
        // A run that stopped early has reported its error already; its lines are all written.
    }
    m_services.state.CancelRequested = false;
    m_services.view.clearFilesInProcess();
    m_services.view.setRunStatus(m_gate.closing(m_outcome.nothingDone()
                                                    ? notDoneText(m_definition->finalStatus)
                                                    : endText(m_definition->finalStatus, m_outcome)));
    m_services.refs.currentDocument.reset();
    m_services.refs.currentVersion.reset();
    m_services.host.setBusyCursor(false);
}

} // namespace tw
