#pragma once

#include "engine/module1.h"

namespace kestravon {

// The best-time table between runs: twelve entries of the per-user settings
// store, application "Kestravon", section "ベストタイム", keys "0" to "11".
// A stored text that is not a finite number loads as an empty place (999).
void LoadBestTimes(Module1& module1);

// Writes all twelve entries. Returns false when the store could not be written.
bool SaveBestTimes(Module1& module1);

}  // namespace kestravon
