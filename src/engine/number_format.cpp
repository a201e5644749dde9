// The program's number-to-text and text-to-number conversions, "." as the decimal point.
#include "engine/number_format.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace kestravon {

namespace {

constexpr int kSignificantDigits = 15;

// A finite number as sign, significant digits d1 d2 ... and the power of ten of d1.
struct Decimal {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};

Decimal ToDecimal(double value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value,
                                      std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
    Decimal decimal;
    std::size_t pos = 0;
    if (text[pos] == '-') {
        decimal.negative = true;
        ++pos;
    }
    const std::size_t e = text.find('e');
    for (; pos < e; ++pos) {
        if (text[pos] != '.') {
            decimal.digits.push_back(text[pos]);
        }
    }
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                    decimal.exponent);
    return decimal;
}

// Writes the digits with the point after digit exponent + 1, keeping exactly
// `fractionDigits` digits after it (padding with zeros), or all when negative.
std::string Render(const Decimal& decimal, int fractionDigits) {
    std::string integerPart;
    std::string fraction;
    const int digitCount = static_cast<int>(decimal.digits.size());
    for (int power = std::max(decimal.exponent, 0); power >= 0; --power) {
        const int index = decimal.exponent - power;
        integerPart.push_back(index >= 0 && index < digitCount ? decimal.digits[index] : '0');
    }
    for (int index = decimal.exponent + 1; index < digitCount; ++index) {
        fraction.push_back(index >= 0 ? decimal.digits[index] : '0');
    }
    if (fractionDigits >= 0) {
        fraction.resize(static_cast<std::size_t>(fractionDigits), '0');
    }
    std::string text = decimal.negative ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += '.';
        text += fraction;
    }
    return text;
}

bool IsIgnoredBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}

// A Japanese input method types the full-width forms U+FF01..U+FF5E ("２０", "－５") and the
// ideographic space U+3000: they read as their ASCII twins U+0021..U+007E and as a blank.
// In UTF-8 the forms are EF BC 81..EF BC BF and EF BD 80..EF BD 9E, the space E3 80 80.
std::string ToHalfWidth(std::string_view text) {
    std::string half;
    half.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto byte = [&](std::size_t offset) {
            return i + offset < text.size() ? static_cast<unsigned char>(text[i + offset]) : 0u;
        };
        if (byte(0) == 0xEF && (byte(1) == 0xBC || byte(1) == 0xBD) && byte(2) >= 0x80 &&
            byte(2) <= 0xBF) {
            const unsigned codePoint = 0xFF00u + ((byte(1) - 0xBCu) << 6) + (byte(2) - 0x80u);
            if (codePoint >= 0xFF01u && codePoint <= 0xFF5Eu) {
                half.push_back(static_cast<char>(codePoint - 0xFF01u + 0x21u));
                i += 2;
                continue;
            }
        }
        if (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) {
            half.push_back(' ');
            i += 2;
            continue;
        }
        half.push_back(text[i]);
    }
    return half;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

double ReadRadixInteger(std::string_view digits, int radix) {
    double value = 0;
    for (const char c : digits) {
        const int digit = HexDigitValue(c);
        if (digit < 0 || digit >= radix) {
            break;
        }
        value = value * radix + digit;
    }
    return value;
}

// Reads sign, mantissa and exponent from text without blanks. The exponent is
// clamped, so that any run of digits stays a plain int.
double ReadDecimal(std::string_view text) {
    std::string normalized;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        if (text[pos] == '-') {
            normalized.push_back('-');
        }
        ++pos;
    }
    bool anyDigit = false;
    bool nonZeroDigit = false;
    long magnitude = 0;  // power of ten of the first non-zero digit, plus one
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != '0' && !nonZeroDigit) {
                nonZeroDigit = true;
                magnitude += seenPoint ? 0 : 1;
            } else if (nonZeroDigit && !seenPoint) {
                ++magnitude;
            } else if (!nonZeroDigit && seenPoint) {
                --magnitude;
            }
            normalized.push_back(c);
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            normalized.push_back(c);
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return 0.0;
    }
    long exponent = 0;
    if (pos + 1 < text.size() &&
        (text[pos] == 'e' || text[pos] == 'E' || text[pos] == 'd' || text[pos] == 'D')) {
        std::size_t expPos = pos + 1;
        bool negativeExponent = false;
        if (text[expPos] == '+' || text[expPos] == '-') {
            negativeExponent = text[expPos] == '-';
            ++expPos;
        }
        if (expPos < text.size() && IsDigit(text[expPos])) {
            constexpr long kExponentCap = 100000;
            for (; expPos < text.size() && IsDigit(text[expPos]); ++expPos) {
                exponent = std::min(exponent * 10 + (text[expPos] - '0'), kExponentCap);
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            normalized += 'e';
            normalized += std::to_string(exponent);
        }
    }
    double value = 0.0;
    const auto result =
        std::from_chars(normalized.data(), normalized.data() + normalized.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool negative = normalized.front() == '-';
        if (!nonZeroDigit || magnitude + exponent <= 0) {
            return negative ? -0.0 : 0.0;
        }
        const double infinity = std::numeric_limits<double>::infinity();
        return negative ? -infinity : infinity;
    }
    return value;
}

}  // namespace

std::string FormatGeneral(double value) {
    if (value == 0.0 || !std::isfinite(value)) {
        return value == 0.0 ? "0"
                            : (std::isnan(value) ? "NaN" : (value < 0 ? "-Infinity" : "Infinity"));
    }
    Decimal decimal = ToDecimal(value);
    while (decimal.digits.size() > 1 && decimal.digits.back() == '0') {
        decimal.digits.pop_back();
    }
    return Render(decimal, -1);
}

std::string FormatTenths(double value) {
    if (!std::isfinite(value)) {
        return FormatGeneral(value);
    }
    if (value == 0.0) {
        return "0.0";
    }
    Decimal decimal = ToDecimal(value);
    // Keep the digits down to the tenths, rounding half up on the next one.
    const int kept = decimal.exponent + 2;
    if (kept < 0 || (kept == 0 && decimal.digits[0] < '5')) {
        return "0.0";
    }
    if (kept < static_cast<int>(decimal.digits.size())) {
        const bool roundUp = decimal.digits[static_cast<std::size_t>(kept)] >= '5';
        decimal.digits.resize(static_cast<std::size_t>(kept));
        if (roundUp) {
            int index = kept - 1;
            while (index >= 0 && decimal.digits[static_cast<std::size_t>(index)] == '9') {
                decimal.digits[static_cast<std::size_t>(index--)] = '0';
            }
            if (index >= 0) {
                ++decimal.digits[static_cast<std::size_t>(index)];
            } else {
                decimal.digits.insert(decimal.digits.begin(), '1');
                ++decimal.exponent;
            }
        }
    }
    if (decimal.digits.find_first_not_of('0') == std::string::npos) {
        decimal.negative = false;
    }
    return Render(decimal, 1);
}

double ReadLeadingNumber(std::string_view text) {
    std::string compact;
    compact.reserve(text.size());
    for (const char c : ToHalfWidth(text)) {
        if (!IsIgnoredBlank(c)) {
            compact.push_back(c);
        }
    }
    const std::string_view view(compact);
    if (view.size() >= 2 && view[0] == '&') {
        if (view[1] == 'H' || view[1] == 'h') {
            return ReadRadixInteger(view.substr(2), 16);
        }
        if (view[1] == 'O' || view[1] == 'o') {
            return ReadRadixInteger(view.substr(2), 8);
        }
    }
    return ReadDecimal(view);
}

std::optional<double> ParseGeneral(std::string_view text) {
    if (text.empty() || text.front() == '+') {
        return std::nullopt;
    }
    double value = 0.0;
    const auto result =
        std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<std::int16_t> RoundToInt16(double value) {
    if (!std::isfinite(value)) {
        return std::nullopt;
    }
    // nearbyint rounds in the default mode, to nearest with ties to even.
    const double rounded = std::nearbyint(value);
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(rounded);
}

}  // namespace kestravon
