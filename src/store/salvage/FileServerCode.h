#pragma once

#include "gw/FileServer.h"

#include <QtGlobal>

namespace store {

// Completion codes of the file server's salvage calls, as its client library returns them.
// The codes the program knows by name come from gw; the rest are the server's own.
namespace FileServerCode {
constexpr int Ok = gw::FileServerOk;
constexpr int InvalidConnection = 0x8801;
constexpr int AllNamesExist = gw::FileServerNameExists;
constexpr int BadDirectoryHandle = gw::FileServerBadDirectoryHandle;
constexpr int InvalidPath = gw::FileServerInvalidPath;
constexpr int NoMoreDirectoryHandles = 0x899D;
constexpr int NoSuchEntry = gw::FileServerNoSuchEntry;
constexpr int NoMoreEntries = gw::FileServerNoMoreEntries;
} // namespace FileServerCode

} // namespace store
