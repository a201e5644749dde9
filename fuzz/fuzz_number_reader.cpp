// Every text-to-number path: the leading-number reader, the inverse of the general
// format, and the formats and rounding applied to what they give.
#include <cmath>
#include <cstdint>
#include <string_view>

#include "engine/number_format.h"

using namespace kestravon;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const double leading = ReadLeadingNumber(text);
    if (std::isnan(leading)) {
        __builtin_trap();  // the reader never makes a NaN
    }
    RoundToInt16(leading);
    FormatTenths(leading);

    if (const std::optional<double> parsed = ParseGeneral(text)) {
        if (!std::isfinite(*parsed)) {
            __builtin_trap();
        }
        // What the store writes reads back as the same text.
        const std::string written = FormatGeneral(*parsed);
        const std::optional<double> reread = ParseGeneral(written);
        if (!reread || FormatGeneral(*reread) != written) {
            __builtin_trap();
        }
    }
    return 0;
}
