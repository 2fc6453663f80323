#pragma once

#include <QtGlobal>

namespace store {

// Completion codes of the file server's salvage calls, as its client library returns them.
namespace FileServerCode {
constexpr quint32 Ok = 0;
constexpr quint32 InvalidConnection = 0x8801;
constexpr quint32 AllNamesExist = 0x8992;
constexpr quint32 BadDirectoryHandle = 0x899B;
constexpr quint32 InvalidPath = 0x899C;
constexpr quint32 NoMoreDirectoryHandles = 0x899D;
// "no more entries" for a scan, "failure" for the other calls
constexpr quint32 NoMoreEntries = 0x89FF;
constexpr quint32 Failure = 0x89FF;
} // namespace FileServerCode

} // namespace store
