#pragma once

namespace gw {

// A change of one document made of several calls: a mask read and written back, an entry looked
// for and then added, ... From Document::BeginChange until Commit no other program changes the
// document, so what the calls read still holds when they write, and two programs editing the
// same documents end as if one had run after the other. Dropped without Commit, everything the
// calls changed is undone; a program that stops in between has changed nothing.
class DocumentChange
{
public:
    virtual ~DocumentChange() = default;
    // Raises gw::Error when the change cannot be kept; nothing of it is then kept.
    virtual void Commit() = 0;
};

} // namespace gw
