#pragma once

#include "gw/Version.h"
#include "store/Context.h"
#include "store/FaultPoint.h"
#include "store/model/LibraryRow.h"
#include "store/model/VersionRow.h"

#include <QSqlDatabase>
#include <memory>

namespace store {

// A version of the store. Reads give the row as fetched or as changed through
// this object; check-out, check-in and copy-out read the row afresh inside
// their transaction so that they act on what the store holds now.
class StoreVersion : public gw::Version
{
public:
    StoreVersion(ContextPtr context, std::shared_ptr<const LibraryRow> library, qint64 documentNumber, VersionRow row);

    int VersionNumber() override;
    std::shared_ptr<gw::AddressEntry> Creator() override;
    std::shared_ptr<gw::AddressEntry> Retriever() override;
    QDateTime RetrievalDate() override;
    QDateTime CreationDate() override;
    QDateTime ExpirationDate() override;
    QString Description() override;
    QString ODMADocumentID() override;
    QString StagedFileName() override;
    QString OriginalFileType() override;
    void setOriginalFileType(const QString& fileType) override;
    bool Archived() override;
    bool CheckedOut() override;
    bool InUse() override;
    bool ConnectedReadWrite() override;
    void CheckOut(const QString& path) override;
    void Checkout() override;
    void CheckIn() override;
    void CheckIn(const QString& path, int mode) override;
    void Copyout(const QString& path) override;
    std::shared_ptr<gw::Collection<gw::VersionEvent>> DocumentVersionEvents() override;

    qint64 row() const { return m_row.row; }
    qint64 documentRow() const { return m_row.documentRow; }
    qint64 documentNumber() const { return m_documentNumber; }
    const VersionRow& data() const { return m_row; }
    std::shared_ptr<const LibraryRow> library() const { return m_library; }
    QString contentPath() const;

private:
    void check(const char* member) const;
    VersionRow reload() const;
    void requireHolder(const VersionRow& current) const;
    // Raises gw::Error unless the logged-in user may check the version out as it is now.
    void requireCheckOut(const VersionRow& current) const;
    void markCheckedOut(const QString& stagedFile, const QString& writtenFile);
    void checkInFrom(const QString& path);
    void clearCheckOut();
    // The check-out is over: a hold of it for a check-in (Checkout()) is no longer under way.
    void endHolds(QSqlDatabase& db);
    QString describe() const;

    ContextPtr m_context;
    std::shared_ptr<const LibraryRow> m_library;
    qint64 m_documentNumber;
    VersionRow m_row;
    FaultPoint m_point;
};

} // namespace store
