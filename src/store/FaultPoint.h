#pragma once

#include <QString>

namespace store {

// Where a member is read or called: the member's name and the objects it
// belongs to. Zero / empty parts are "not on such an object".
struct FaultPoint
{
    QString member;
    QString library; // LibraryID
    QString libraryName;
    qint64 document = 0;
    int version = 0;
    int event = 0; // 1-based index in the version's events
    int entry = 0; // 1-based index in the sharing list
};

} // namespace store
