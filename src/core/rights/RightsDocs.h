#pragma once

#include "DocumentRights.h"
#include "RightsTests.h"
#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

#include <memory>
#include <optional>

namespace gw {
class Document;
}

namespace tw {

class ResultSink;
class RunReport;
struct ResultRow;

// What the Excessive Rights tab gives a run, read once when it starts.
struct RightsInputs
{
    RunInputs run;
    int selector = 2; // "Rights Selector": Creator 0, General User 1, Specified 2
    int selectedMask = 0; // the ticked boxes
    QString userText; // the user box's text: a name, or "<Strays>"
    QStringList knownNames; // the user box's entries
};

// The rights check: one of the three tests on every chosen version; each version it picks
// becomes a row of the result list and, with a report directory, a line of "Rights.rpt",
// followed in the strays mode by an "Unknown Rights for " line per stray name.
class RightsDocs
{
public:
    RightsDocs(RunServices services, ResultSink& list);

    RunOutcome RightsDocsRun(const RightsInputs& inputs);

    static RunDefinition definition();
    static const QStringList& columnHeader();

private:
    RunDefinition::Outcome checkVersion(const RightsInputs& inputs, RunReport& report);
    int officialNumber(int versionNumber);
    std::optional<RightsFinding> runTest(const RightsInputs& inputs, RightsLevel level, QStringList& strays);
    ResultRow rowOf(int mask);

    // What is read once for all versions of the document in hand.
    struct DocumentInHand
    {
        // Held, so that the next document fetched cannot take its place in memory unnoticed.
        std::shared_ptr<gw::Document> document;
        std::unique_ptr<DocumentRights> rights;
        std::optional<int> official;
        std::optional<QString> subject;
        std::optional<QString> author;
    };
    DocumentInHand& inHand();

    RunServices m_services;
    ResultSink& m_list;
    KnownNames m_known;
    DocumentInHand m_inHand;
};

} // namespace tw
