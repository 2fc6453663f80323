#pragma once

#include "RunMode.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace tw {

class RunReport;

// What a mass run plugs into the run frame: its texts, its report file and its
// work per document or per version. The frame does the rest (document choice,
// report head, walk, counts, progress, cancel, closing texts, end state).
struct RunDefinition
{
    // Which count a unit of work adds to.
    enum class Count { Success, Failure, Neither };
    enum class Unit { Version, Document };
    enum class CountedPer { Version, Document, Nothing };

    // What one unit of work gives back: its count and its report line (no
    // line is written when it is empty), and whether an empty line follows it.
    struct Outcome
    {
        Count count = Count::Neither;
        QString line;
        bool emptyLineAfter = false;
        // The store's message when the unit failed because the store itself could not be
        // changed (gw::Error::storeUnavailable): the frame logs it after the unit's own line.
        QString storeUnavailable {};
    };

    // Log texts and status-label texts by mode, in RunMode order (the list
    // file's entry is only needed by runs that offer it).
    QStringList modeLogTexts;
    QStringList modeStatusTexts;
    // The mode texts most runs have: `logPrefix` + " - Query Results", " - Limited Full
    // Library", " - Full Library", and `statusPrefix` + " (Query Results) Started",
    // " (Limit Library) Started", " (Full Library) Started".
    void setModeTexts(const QString& logPrefix, const QString& statusPrefix)
    {
        modeLogTexts
            = {logPrefix + QStringLiteral(" - Query Results"), logPrefix + QStringLiteral(" - Limited Full Library"),
               logPrefix + QStringLiteral(" - Full Library")};
        modeStatusTexts = {statusPrefix + QStringLiteral(" (Query Results) Started"),
                           statusPrefix + QStringLiteral(" (Limit Library) Started"),
                           statusPrefix + QStringLiteral(" (Full Library) Started")};
    }

    // The report file: its name, the title after ProgramName on creation
    // (" Library Report File - Initialised at "), the run-head prefix
    // ("Report on Library ") and the lines after the "Started at" line.
    QString reportName;
    // No report file at all when the trimmed report directory is empty.
    bool reportOnlyWithDirectory = false;
    QString initialisedTitle;
    QString runHeadPrefix;
    std::function<QStringList(RunMode)> headAfterStart;
    // The customised-field block and the extra field columns.
    bool customFieldColumns = false;
    // The column header from the extra field names (empty when the run has none).
    std::function<QString(const QStringList& extraFields)> columnHeader;

    // Called when the walk begins, before its mode texts and the report head
    // (the rights check empties its list there; the rights edit gathers its
    // address entries and may ask for the run to stop after the first document).
    std::function<void()> beforeWalk;

    // A run that changes the library: in a dry run its units skip their change (ChangeGate), each
    // outcome's line begins with "Dry Run: " and the closing and status texts end in " (Dry Run)".
    // A unit that writes outcome lines of its own marks them through its report's gate.
    bool changesLibrary = false;

    Unit unit = Unit::Version;
    CountedPer countedPer = CountedPer::Version;
    // What a document that cannot be fetched adds to (by number or result index).
    Count unavailableCounts = Count::Neither;
    // A run that lists the documents that cannot be fetched (the missing-number preset) takes
    // them itself: when this is set and gives true for the run counter, nothing is logged and
    // the document counts as a success.
    std::function<bool(qint64 index)> takeUnavailable;
    // The per-unit work; the current document (and version) are set before it
    // is called. The frame appends the extra field columns to the line after
    // the work, so they show the version as the work left it. A work that
    // writes lines of its own before its outcome's line writes them to the
    // report it is given.
    std::function<Outcome(RunReport& report)> versionWork;
    std::function<Outcome(RunReport& report)> documentWork;
    // Show each finished report line in the fourth "Files in Process" box.
    bool showLineAsOutput = false;

    // The log text of a list entry that is not a document ("Export.lst error: ...").
    std::function<QString(const QString& entry, const QString& message)> listEntryFailure;

    // Extra terms the query run appends to the expression.
    QString queryExtraTerms;

    // Closing texts: the cancel text and the completion text, each followed by
    // the counts when the run keeps them. The completion text is also written
    // to the report file when `closingLineInReport` is set.
    QString cancelText;
    std::function<QString(bool cancelled)> completionText;
    bool closingLineInReport = false;
    QString finalStatus;
};

} // namespace tw
