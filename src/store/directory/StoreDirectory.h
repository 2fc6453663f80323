#pragma once

#include "gw/Directory.h"

#include <memory>
#include <optional>

namespace store {

class Store;

// The directory service over the store's directory_objects / directory_attributes tables.
// The workstation's name context is the store setting "directory.context". Reads and
// canonicalisation need a context created with NWDSCreateContext, as the client's do.
//
// A fault rule on a client call's name (NWCallsInit, NWDSCreateContext, NWDSCanonicalizeName,
// NWDSRead) makes the call fail with the rule's message read as a code ("-319"; -699 when it
// is not a number), so every failure message of the account discovery can be driven.
class StoreDirectory : public gw::Directory
{
public:
    static constexpr int NoContext = -303; // the client's "bad context"
    static constexpr int InvalidName = -314; // the client's "invalid object name"
    static constexpr int Fatal = -699; // the client's "fatal" error
    static QString contextSetting() { return QStringLiteral("directory.context"); }

    explicit StoreDirectory(std::shared_ptr<Store> store);

    int NWCallsInit() override;
    int NWDSCreateContext() override;
    void NWDSFreeContext() override;
    QString NameContext() override;
    gw::DirectoryStatus CanonicalDN(const QString& name, QString& canonical) override;
    gw::DirectoryStatus ReadAttribute(const QString& object, const QString& attribute, QStringList& lines) override;

private:
    struct Found
    {
        qint64 id = 0;
        QString dn;
    };
    // The object a name stands for: read relative to the context first, then as a full name.
    std::optional<Found> findObject(const QString& name);
    int faultCode(const char* call);

    std::shared_ptr<Store> m_store;
    bool m_hasContext = false;
};

} // namespace store
