#pragma once

namespace gw {

// Rights mask bits.
enum RightsBit {
    RightDelete = 1,
    RightEdit = 2,
    RightView = 4,
    RightModifySecurity = 8,
    RightShare = 32,
};

// The rights of one holder at one version level (official, current, other).
class VersionSecurity
{
public:
    virtual ~VersionSecurity() = default;
    virtual int Bitmask() = 0;
    virtual void setBitmask(int mask) = 0;
};

} // namespace gw
