// A uniformly drawn integer within a range, from the platform's next draw.
#include "engine/random_range.h"

#include <cmath>

#include "platform/platform.h"

namespace kestravon {

std::int16_t RandomRange(Platform& platform, std::int16_t low, std::int16_t high) {
    const float u = platform.DrawUniform();
    const auto n = static_cast<std::int16_t>(high - low + 1);
    // Summed in double so that n * u + low stays below high + 1 for every u < 1,
    // which single precision would round up for u close to 1.
    const double sum = static_cast<double>(static_cast<float>(n)) * static_cast<double>(u) +
                       static_cast<double>(static_cast<float>(low));
    return static_cast<std::int16_t>(std::floor(sum));
}

}  // namespace kestravon
