// A uniformly drawn integer within a range.
#pragma once

#include <cstdint>

namespace kestravon {

class Platform;

// A uniformly drawn integer from low to high, both included (low <= high), from the
// platform's next draw.
std::int16_t RandomRange(Platform& platform, std::int16_t low, std::int16_t high);

}  // namespace kestravon
