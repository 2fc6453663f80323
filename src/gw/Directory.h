#pragma once

#include <QString>
#include <QStringList>

namespace gw {

// Directory error codes.
enum DirectoryCode {
    DirectoryNoSuchEntry = -601,
    DirectoryNoSuchAttribute = -603,
};

// The result of a directory operation: 0, or the failing client call's name
// (e.g. "NWDSRead") and its negative code.
struct DirectoryStatus
{
    int code = 0;
    QString call;
};

// The directory service as the account discovery reads it. Names are
// relative to the workstation's name context unless they are distinguished.
class Directory
{
public:
    virtual ~Directory() = default;
    // 0 or a negative code.
    virtual int NWCallsInit() = 0;
    virtual int NWDSCreateContext() = 0;
    virtual void NWDSFreeContext() = 0;
    virtual QString NameContext() = 0;
    // The canonical typeless form of name ("CN=Dom.O=Org" -> "Dom.Org").
    virtual DirectoryStatus CanonicalDN(const QString& name, QString& canonical) = 0;
    // The values of one attribute of an object, one or more text lines per
    // value. -601 no such object, -603 no such attribute; lines is then one
    // empty line.
    virtual DirectoryStatus ReadAttribute(const QString& object, const QString& attribute, QStringList& lines) = 0;
};

} // namespace gw
