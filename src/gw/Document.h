#pragma once

#include "gw/AddressEntry.h"
#include "gw/Collection.h"
#include "gw/DocumentChange.h"
#include "gw/DocumentType.h"
#include "gw/Fields.h"
#include "gw/RightsHolder.h"
#include "gw/SharingList.h"
#include "gw/Version.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace gw {

class Document
{
public:
    virtual ~Document() = default;

    virtual qint64 DocumentNumber() = 0;
    virtual QString Subject() = 0;
    virtual void setSubject(const QString& subject) = 0;
    virtual std::shared_ptr<AddressEntry> Author() = 0;
    virtual std::shared_ptr<AddressEntry> Creator() = 0;
    virtual std::shared_ptr<gw::DocumentType> DocumentType() = 0;
    virtual QDateTime CreationDate() = 0;
    virtual std::shared_ptr<Version> OfficialVersion() = 0;
    virtual std::shared_ptr<Version> CurrentVersion() = 0;
    virtual std::shared_ptr<Collection<Version>> DocumentVersions() = 0;
    virtual std::shared_ptr<gw::Fields> Fields() = 0;
    // Reads the document, its versions and its rights afresh from the store.
    virtual void Refresh() = 0;

    virtual std::shared_ptr<RightsHolder> AuthorCreatorRights() = 0;
    virtual std::shared_ptr<RightsHolder> DefaultRights() = 0;
    virtual std::shared_ptr<SharingList> AdditionalRights() = 0;

    // Begins a change of the document (see DocumentChange) and reads the document afresh under
    // it. Waits while another program changes the store, up to the store's time limit, and raises
    // gw::Error when that runs out or the document is gone.
    virtual std::shared_ptr<DocumentChange> BeginChange() = 0;
};

} // namespace gw
