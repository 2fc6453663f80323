#pragma once

namespace tw {

struct GwRefs;
struct RunState;
class LibraryView;
class OperationLog;
class RunHost;

// What a session works on: the window's object references and shared flags,
// its daily log, its host and the view that shows the login and the selection.
struct SessionParts
{
    GwRefs& refs;
    RunState& state;
    OperationLog& log;
    RunHost& host;
    LibraryView& view;
};

} // namespace tw
