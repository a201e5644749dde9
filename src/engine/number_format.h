// The program's number-to-text and text-to-number conversions.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Number-to-text and text-to-number conversions of the whole program. The
// decimal point is "." whatever the system locale.
namespace kestravon {

// Plain decimal notation with up to 15 significant digits, no grouping, no
// trailing zeros and no point for a whole number: 20.25, 181.818181818182, -1, 999.
std::string FormatGeneral(double value);

// Pattern "0.0": at least one digit before the point and exactly one after it,
// rounded half away from zero on the decimal digits: 45.67 -> "45.7", 999 -> "999.0".
std::string FormatTenths(double value);

// The number at the start of a text: blanks, tabs and line feeds anywhere are
// ignored; then an optional sign, digits, an optional "." with fraction digits and
// an optional exponent (E or D); or &H / &O with a hexadecimal or octal integer.
// Reading stops at the first character that does not fit; no number reads as 0.
// "12abc" -> 12, "1 2" -> 12, "1,5" -> 1. A huge exponent gives infinity. Full-width
// forms typed with an input method read as their ASCII twins: "２０" -> 20, "－５" -> -5.
double ReadLeadingNumber(std::string_view text);

// The exact inverse of FormatGeneral: the whole text must be one finite number.
std::optional<double> ParseGeneral(std::string_view text);

// Rounds to the nearest integer, halves to the even neighbour (9.5 -> 10,
// 10.5 -> 10); nothing when the result is not finite or does not fit 16 bits.
std::optional<std::int16_t> RoundToInt16(double value);

}  // namespace kestravon
