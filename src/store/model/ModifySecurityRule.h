#pragma once

namespace store {

// The modify-security right of a sharing-list entry belongs to the entry as a whole: the access
// check grants it for the document whichever level holds it. The entry holds it when its
// ModifySecurity flag is set or when any of its level masks has bit 8 (as a store built by hand
// may hold it). The object model shows it as bit 8 of every level's mask, reads ModifySecurity
// by the same rule, and keeps it in the flag alone when it writes an entry, so that a program
// that reads a mask and writes the right back gets what it read.
namespace ModifySecurityRule {

constexpr int kBit = 8;

// `levels`: the entry's three level masks as stored, ORed together.
inline bool holds(int levels, bool flag)
{
    return flag || (levels & kBit) != 0;
}

// A level mask as the object model shows it.
inline int shown(int stored, bool holds)
{
    return holds ? (stored | kBit) : (stored & ~kBit);
}

} // namespace ModifySecurityRule

} // namespace store
