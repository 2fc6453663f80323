#pragma once

namespace tw {

class RunHost;

// A pause that keeps the window served: the host's events are pumped at its start, between
// slices of at most 10 ms and at its end, so the window never waits for the whole pause. It
// ends at its deadline, so slices that wake late do not lengthen it.
void pumpedPause(RunHost& host, int milliseconds);

} // namespace tw
