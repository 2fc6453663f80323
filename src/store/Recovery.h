#pragma once

#include <QDateTime>
#include <QSet>
#include <QString>

namespace store {

class Store;
class StoreOwner;

// The recovery pass of a store that opens (README: recovery when a store opens). Every change
// that a program now gone left under way is finished when its database step was committed
// (its retired content goes into the salvage area) and rolled back when it was not (its new
// content file and temporary files go; a check-out held for a check-in is let go). When no other
// program has the store open and one of them ended without closing it, every library folder is
// then looked over: temporary files go, content files no version names go into the salvage area
// with their records, and salvage records whose content is gone go too. Nothing a change still
// under way names is touched, nor a file changed since the look-over began.
class Recovery
{
public:
    Recovery(Store& store, StoreOwner& owner);
    void run();

private:
    struct Pending;
    void recover(const Pending& change);
    void releaseHold(const Pending& change);
    void lookOver();
    void lookOverFolder(qint64 libraryRow, const QString& folder);

    Store& m_store;
    StoreOwner& m_owner;
    QDateTime m_started;
};

} // namespace store
