// The best-time table's ranking of a winning time.
#include "engine/best_time_table.h"

namespace kestravon {

std::optional<int> BestTimeTable::BaseOf(Level level) {
    const FixedLevel* fixed = FindFixedLevel(level);
    return fixed != nullptr ? fixed->bestTimeBase : std::nullopt;
}

std::optional<int> BestTimeTable::PlaceFor(Level level, double seconds) const {
    const std::optional<int> base = BaseOf(level);
    if (!base) {
        return std::nullopt;
    }
    for (int place = 0; place < kPlacesPerLevel; ++place) {
        if (seconds <= Entry(*base + place)) {
            return place;
        }
    }
    return std::nullopt;
}

void BestTimeTable::Enter(Level level, int place, double seconds) {
    const std::optional<int> base = BaseOf(level);
    if (!base || place < 0 || place >= kPlacesPerLevel) {
        return;
    }
    for (int moved = kPlacesPerLevel - 1; moved > place; --moved) {
        SetEntry(*base + moved, Entry(*base + moved - 1));
    }
    SetEntry(*base + place, seconds);
}

void BestTimeTable::ClearLevel(Level level) {
    if (const std::optional<int> base = BaseOf(level)) {
        for (int place = 0; place < kPlacesPerLevel; ++place) {
            SetEntry(*base + place, kEmptyPlace);
        }
    }
}

}  // namespace kestravon
