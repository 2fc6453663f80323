#pragma once

#include "gw/Document.h"
#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/model/DocumentRow.h"
#include "store/model/LibraryRow.h"
#include "store/model/VersionRow.h"

#include <vector>

namespace store {

class StoreVersion;

// A document of the store: its row as fetched (Refresh reads it afresh), its
// versions read in one statement when first asked for, its rights read live.
class StoreDocument : public gw::Document
{
public:
    StoreDocument(ContextPtr context, std::shared_ptr<const LibraryRow> library, DocumentRow row);
    // With its versions read together with the document.
    StoreDocument(ContextPtr context, std::shared_ptr<const LibraryRow> library, DocumentRow row,
                  std::vector<VersionRow> versions);

    qint64 DocumentNumber() override;
    QString Subject() override;
    void setSubject(const QString& subject) override;
    std::shared_ptr<gw::AddressEntry> Author() override;
    std::shared_ptr<gw::AddressEntry> Creator() override;
    std::shared_ptr<gw::DocumentType> DocumentType() override;
    QDateTime CreationDate() override;
    std::shared_ptr<gw::Version> OfficialVersion() override;
    std::shared_ptr<gw::Version> CurrentVersion() override;
    std::shared_ptr<gw::Collection<gw::Version>> DocumentVersions() override;
    std::shared_ptr<gw::Fields> Fields() override;
    void Refresh() override;
    std::shared_ptr<gw::RightsHolder> AuthorCreatorRights() override;
    std::shared_ptr<gw::RightsHolder> DefaultRights() override;
    std::shared_ptr<gw::SharingList> AdditionalRights() override;
    std::shared_ptr<gw::DocumentChange> BeginChange() override;

    // The version of that number; raises gw::Error when there is none.
    std::shared_ptr<StoreVersion> versionNumbered(int number);

private:
    void check(const char* member) const;
    const std::vector<std::shared_ptr<StoreVersion>>& versions();

    ContextPtr m_context;
    std::shared_ptr<const LibraryRow> m_library;
    DocumentRow m_row;
    FaultPoint m_point;
    std::vector<std::shared_ptr<StoreVersion>> m_versions;
    bool m_versionsRead = false;
    std::shared_ptr<gw::Fields> m_fields;
};

} // namespace store
