#pragma once

#include "gw/Collection.h"
#include "gw/Document.h"
#include "gw/DocumentType.h"
#include "gw/FieldDefinition.h"

#include <QString>
#include <memory>

namespace gw {

class Library
{
public:
    virtual ~Library() = default;
    virtual QString Name() = 0;
    // domain + "." + post office + "." + library name
    virtual QString LibraryID() = 0;
    virtual QString Description() = 0;
    // One above the highest document number in use (1 for an empty library).
    virtual qint64 NextDocumentNumber() = 0;
    virtual std::shared_ptr<Collection<DocumentType>> DocumentTypes() = 0;
    virtual std::shared_ptr<Collection<FieldDefinition>> FieldDefinitions() = 0;
    // number is decimal text. Raises gw::Error for a number that is not a
    // document of the library or that the logged-in user may not fetch.
    virtual std::shared_ptr<Document> GetDocument(const QString& number) = 0;
};

} // namespace gw
