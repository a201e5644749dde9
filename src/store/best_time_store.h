// The best-time table loaded from and saved to the settings store.
#pragma once

#include "engine/best_time_table.h"

namespace kestravon {

class Platform;

// The best-time table between runs: twelve entries of the per-user settings store,
// application "Kestravon", section "ベストタイム", keys "0" to "11", each time in the
// general number format. A stored text that is not a finite number loads as an empty place.
BestTimeTable LoadBestTimes(Platform& platform);

// Writes all twelve entries in one write of the store. Returns false when the store could
// not be written.
bool SaveBestTimes(Platform& platform, const BestTimeTable& table);

}  // namespace kestravon
