#pragma once

#include "gw/AddressEntry.h"
#include "gw/Collection.h"
#include "gw/VersionEvent.h"

#include <QDateTime>
#include <QString>
#include <memory>

namespace gw {

// One version of a document. Dates are null QDateTime values for "never" (0).
// Reads give the state as fetched (or as changed through this object);
// Document::Refresh or a new GetDocument reads the store afresh.
class Version
{
public:
    virtual ~Version() = default;

    virtual int VersionNumber() = 0;
    virtual std::shared_ptr<AddressEntry> Creator() = 0;
    virtual std::shared_ptr<AddressEntry> Retriever() = 0;
    virtual QDateTime RetrievalDate() = 0;
    virtual QDateTime CreationDate() = 0;
    virtual QDateTime ExpirationDate() = 0;
    virtual QString Description() = 0;
    virtual QString ODMADocumentID() = 0;
    virtual QString StagedFileName() = 0;
    virtual QString OriginalFileType() = 0;
    virtual void setOriginalFileType(const QString& fileType) = 0;

    virtual bool Archived() = 0;
    virtual bool CheckedOut() = 0;
    virtual bool InUse() = 0;
    virtual bool ConnectedReadWrite() = 0;

    // Writes the content to path and checks the version out to the logged-in
    // user. Fails when another user holds it or when a file exists at path.
    virtual void CheckOut(const QString& path) = 0;
    // Marks the version checked out to the logged-in user without a file.
    virtual void Checkout() = 0;
    // Checks in from the staged file; only clears the flag when it is gone.
    virtual void CheckIn() = 0;
    // The file at path becomes the version's content; mode is 0.
    virtual void CheckIn(const QString& path, int mode) = 0;
    // Writes a copy of the content to path (temporary name, then rename).
    virtual void Copyout(const QString& path) = 0;

    virtual std::shared_ptr<Collection<VersionEvent>> DocumentVersionEvents() = 0;
};

} // namespace gw
