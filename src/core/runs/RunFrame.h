#pragma once

#include "RunDefinition.h"
#include "RunInputs.h"
#include "RunOutcome.h"
#include "RunReport.h"
#include "RunServices.h"
#include "core/app/LineFile.h"

#include <memory>

namespace gw {
class Document;
class Message;
class Version;
} // namespace gw

namespace tw {

// The one walk every mass run uses: it chooses the documents (query result,
// a limited or the full library, or a list of numbers), writes the report
// head, fetches each document and its versions with guarded fetches, lets the
// run do its work per unit, appends the report lines, keeps the counts, shows
// progress, pumps events after each document, stops on Cancel and writes the
// closing texts. Whatever happens, the program is idle again afterwards.
class RunFrame : private RunReport
{
public:
    explicit RunFrame(RunServices services);

    RunOutcome run(const RunDefinition& definition, const RunInputs& inputs);

    // prefix + successes + "/ Failed = " + failures, with no blank before the slash.
    static QString countsText(const QString& prefix, int successes, int failures);
    // A run's closing text as it reads when an error stopped the run: "stopped" where it says
    // "Completed" ("Report of Documents stopped - ...", "Stopped Document Check Out").
    static QString stoppedText(const QString& text);
    // `text` for a run that ended as `outcome` says: stoppedText(text) when an error stopped it.
    static QString endText(const QString& text, const RunOutcome& outcome);
    // A run's final status as it reads when the store refused all its work: "Not Done" where it
    // says "Completed" ("Clear Check Out Flags Not Done").
    static QString notDoneText(const QString& text);

private:
    struct Span
    {
        qint64 low = 1;
        qint64 high = 0;
        QStringList entries; // the list file's entries, in walking order
    };

    Span chooseDocuments();
    void walk(const Span& span);
    void writeHead();
    QStringList newFileHeader() const;
    void handleDocument(qint64 index, const Span& span);
    std::shared_ptr<gw::Document> fetchDocument(qint64 index, const Span& span, std::shared_ptr<gw::Message>* hit);
    void walkVersions(gw::Document& document, const std::shared_ptr<gw::Message>& hit);
    void handleVersion(const std::shared_ptr<gw::Version>& version);
    void handleOutcome(const RunDefinition::Outcome& outcome);
    void add(RunDefinition::Count count);
    QString closingText(const QString& prefix) const;
    void writeClosing();
    void stopAfterError(const QString& message);
    void append(const QString& line) override;
    void appendLines(const QStringList& lines) override;
    qint64 runCounter() const override { return m_counter; }
    const ChangeGate& gate() const override { return m_gate; }
    void writeReport(const QStringList& lines, const QStringList& header = {});
    bool hasReport() const;
    void endRun();
    QString reportPath() const;

    RunServices m_services;
    const RunDefinition* m_definition = nullptr;
    const RunInputs* m_inputs = nullptr;
    RunOutcome m_outcome;
    // Shut for the whole run when it changes the library and was started as a dry run.
    ChangeGate m_gate;
    qint64 m_counter = 0;
    bool m_headWritten = false;
    bool m_closingWritten = false;
    // The report file, open from the head to the end of the run.
    LineFile m_report;
};

} // namespace tw
