#pragma once

#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

namespace gw {
class Document;
}

namespace tw {

class ChangeGate;
class ResultSink;
class RightsLines;

// The full rights report: every rights entry of every chosen document (creator, all users in
// general, each sharing-list entry, at the three levels) into "FRights.rpt", one block a
// document. With "Delete" ticked it removes the explicit denies it finds, after asking per
// document unless "Automatic" is ticked too. The result list is emptied and stays empty.
class FRightsDocs
{
public:
    struct Options
    {
        bool removeDenies = false; // Options / Explicit Deny / Delete
        bool automatic = false; // Options / Explicit Deny / Automatic
    };

    FRightsDocs(RunServices services, ResultSink& list);

    RunOutcome FRightsDocsRun(const RunInputs& inputs, const Options& options);

    static RunDefinition definition();
    // A removal that keeps failing gives up on the document after so many passes.
    static constexpr int kRemovalPasses = 5;

private:
    RunDefinition::Outcome reportDocument(const Options& options, RunReport& report);
    bool writeEntries(gw::Document& document, const RightsLines& lines, RunReport& report);
    void removeDenies(gw::Document& document, qint64 counter, bool automatic, const ChangeGate& gate);
    bool removalPass(gw::Document& document, qint64 counter, const ChangeGate& gate);

    RunServices m_services;
    ResultSink& m_list;
};

} // namespace tw
