#pragma once

#include "gw/Message.h"
#include "store/Context.h"

namespace store {

// A document reference to one version: a row of a user's Documents folder
// or trash (refRow), or a query hit (refRow 0, not held in any folder).
class StoreMessage : public gw::Message
{
public:
    StoreMessage(ContextPtr context, qint64 refRow, qint64 versionRow, QString messageId);

    std::shared_ptr<gw::Document> Document() override;
    std::shared_ptr<gw::Version> DocumentVersion() override;
    qint64 DocumentSize() override;
    QString MessageID() override;
    void Delete() override;

    qint64 versionRow() const { return m_versionRow; }

private:
    struct Target;
    Target locate(const char* member);

    ContextPtr m_context;
    qint64 m_refRow;
    qint64 m_versionRow;
    QString m_messageId;
};

} // namespace store
