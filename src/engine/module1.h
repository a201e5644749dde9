#pragma once

#include <array>
#include <cstdint>

namespace kestravon {

class Platform;

inline constexpr int kBestTimeCount = 12;
// A place in the best-time table that holds no time.
inline constexpr double kNoBestTime = 999.0;

// The values shared across windows, and the one random-number function.
struct Module1 {
    explicit Module1(Platform& platform) : platform_(platform) {}

    // Three best times per ranked level, entry = level base + rank (0 = best).
    std::array<double, kBestTimeCount> BestTime{};
    // Rows of the custom board; -1 when the board-change dialog was cancelled.
    std::int16_t CustomHeight = 0;
    std::int16_t CustomWidth = 0;
    std::int16_t CustomMines = 0;

    // A uniformly drawn integer from low to high, both included (low <= high).
    std::int16_t RandomRange(std::int16_t low, std::int16_t high);

    Platform& platform() const { return platform_; }

  private:
    Platform& platform_;
};

}  // namespace kestravon
