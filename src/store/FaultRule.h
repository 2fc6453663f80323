#pragma once

#include <QString>

namespace store {

// "Raise message when member is read or called on library / document /
// version / event / sharing entry": an empty library and zero numbers match
// any object; occurrence k > 0 fires only at the k-th matching call.
struct FaultRule
{
    qint64 id = 0;
    QString member;
    QString library;
    qint64 document = 0;
    int version = 0;
    int event = 0;
    int entry = 0;
    int occurrence = 0;
    QString message;
};

} // namespace store
