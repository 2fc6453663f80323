#pragma once

#include "RightsLines.h"
#include "core/runs/RunDefinition.h"
#include "core/runs/RunInputs.h"
#include "core/runs/RunOutcome.h"
#include "core/runs/RunServices.h"

#include <QStringList>
#include <memory>
#include <vector>

namespace gw {
class AddressEntry;
class Document;
class Error;
class SharingEntry;
} // namespace gw

namespace tw {

class EditList;
struct EditRow;

// The rights edit: over every chosen document, the sharing-list entries the edit list names
// are recorded in "FREdits.rpt" and deleted, or handed over to their replacement (merged into
// or kept beside an entry the replacement already has, or added as a new entry) and then
// removed. The edit list's Rights column shows the marks of the document in hand.
class FEditRDocs
{
public:
    FEditRDocs(RunServices services, EditList& list);

    RunOutcome FEditRDocsRun(const RunInputs& inputs);

    static RunDefinition definition();

private:
    // How a replacement ended: made (the old entry is then removed), or not.
    enum class Handover { Made, NotMade };

    void gatherAddresses();
    bool findInBooks(const QString& name);
    std::shared_ptr<gw::AddressEntry> address(const QString& name) const;
    QString replacementName(const EditRow& row) const;
    RunDefinition::Outcome editDocument(RunReport& report);
    void editRows(gw::Document& document, RunReport& report);
    RunDefinition::Outcome notSaved(RunReport& report, const gw::Error& error);
    void showMessages();
    bool markRows(gw::Document& document);
    void editRow(gw::Document& document, const EditRow& row, const RightsLines& lines, RunReport& report);
    Handover handOver(gw::Document& document, const EditRow& row, const HolderRights& old, const RightsLines& lines,
                      RunReport& report);
    Handover mergeInto(gw::SharingEntry& entry, const QString& name, const HolderRights& old, RunReport& report);
    Handover addEntry(gw::Document& document, const EditRow& row, const HolderRights& old, RunReport& report);
    void removeOld(gw::Document& document, const EditRow& row, RunReport& report);
    QString documentText() const;
    void outcome(RunReport& report, const QString& text);

    RunServices m_services;
    EditList& m_list;
    // The address entries of the replacement users, gathered once per run.
    std::vector<std::shared_ptr<gw::AddressEntry>> m_addresses;
    // Messages of the document in hand, shown once its change is over.
    QStringList m_messages;
    qint64 m_counter = 0;
};

} // namespace tw
