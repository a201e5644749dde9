// The best-time table: three best times of each ranked level, and the ranking.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "engine/levels.h"

namespace kestravon {

// The three best clearing times, in seconds, of each ranked level (初級 to 超上級), kept
// as one table of twelve entries: entry = the level's base + place (0 = best). A place
// without a time holds 999. Smaller is better.
class BestTimeTable final {
  public:
    static constexpr int kEntryCount = 12;
    static constexpr int kPlacesPerLevel = 3;
    static constexpr double kEmptyPlace = 999.0;
    static constexpr std::array<Level, 4> kRankedLevels{Level::Beginner, Level::Intermediate,
                                                        Level::Advanced, Level::Expert};

    BestTimeTable() { entries_.fill(kEmptyPlace); }

    double Entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }
    void SetEntry(int index, double seconds) {
        entries_.at(static_cast<std::size_t>(index)) = seconds;
    }

    // The first entry of a ranked level's places; nothing for a level without best times.
    static std::optional<int> BaseOf(Level level);

    // The place (0 = best) that a winning time takes at a ranked level: the first whose
    // time is greater than or equal to it, each place compared in turn.
    std::optional<int> PlaceFor(Level level, double seconds) const;
    // Puts a time at that place; the places below move down and the last time drops out.
    void Enter(Level level, int place, double seconds);
    // Empties the three places of a ranked level.
    void ClearLevel(Level level);

    bool operator==(const BestTimeTable&) const = default;

  private:
    std::array<double, kEntryCount> entries_;
};

}  // namespace kestravon
