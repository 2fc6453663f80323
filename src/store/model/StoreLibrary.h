#pragma once

#include "gw/Library.h"
#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/model/LibraryRow.h"

#include <optional>

namespace store {

class StoreDocument;

class StoreLibrary : public gw::Library
{
public:
    StoreLibrary(ContextPtr context, LibraryRow row);

    QString Name() override;
    QString LibraryID() override;
    QString Description() override;
    qint64 NextDocumentNumber() override;
    std::shared_ptr<gw::Collection<gw::DocumentType>> DocumentTypes() override;
    std::shared_ptr<gw::Collection<gw::FieldDefinition>> FieldDefinitions() override;
    std::shared_ptr<gw::Document> GetDocument(const QString& number) override;

    qint64 row() const { return m_row->row; }
    std::shared_ptr<const LibraryRow> data() const { return m_row; }

    // The document of that number as the logged-in user may fetch it: as its
    // author or creator, with view rights, or as a librarian of the library.
    // librarian: the user's librarian status, when already known.
    static std::shared_ptr<StoreDocument> fetch(const ContextPtr& context,
                                                const std::shared_ptr<const LibraryRow>& library, qint64 number,
                                                std::optional<bool> librarian = std::nullopt);

private:
    void check(const char* member) const;
    void requireExists() const;

    ContextPtr m_context;
    std::shared_ptr<const LibraryRow> m_row;
    FaultPoint m_point;
    std::optional<bool> m_librarian;
};

} // namespace store
