// XPM pictures decoded to pixels by the compiler.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <string_view>

// The pictures' subset of XPM: one character per pixel, and every colour written
// "K c #RRGGBB". Anything else stops the compilation at the throw that names it, since a
// throw cannot be evaluated while compiling.
namespace kestravon::xpm {

// What an XPM picture's first string gives: "width height colours characters-per-pixel".
struct Header {
    int width = 0;
    int height = 0;
    int colours = 0;
    int charsPerPixel = 0;
};

consteval Header ReadHeader(std::string_view values) {
    Header header;
    std::size_t at = 0;
    for (int* field : {&header.width, &header.height, &header.colours, &header.charsPerPixel}) {
        while (at < values.size() && values[at] == ' ') {
            ++at;
        }
        if (at == values.size() || values[at] < '0' || values[at] > '9') {
            throw "an XPM picture opens with four numbers";
        }
        for (; at < values.size() && values[at] >= '0' && values[at] <= '9'; ++at) {
            *field = *field * 10 + (values[at] - '0');
        }
    }
    if (at != values.size() || header.charsPerPixel != 1) {
        throw "an XPM picture here has one character per pixel";
    }
    return header;
}

consteval std::uint32_t HexDigit(char digit) {
    if (digit >= '0' && digit <= '9') {
        return static_cast<std::uint32_t>(digit - '0');
    }
    if (digit >= 'A' && digit <= 'F') {
        return static_cast<std::uint32_t>(digit - 'A' + 10);
    }
    if (digit >= 'a' && digit <= 'f') {
        return static_cast<std::uint32_t>(digit - 'a' + 10);
    }
    throw "a colour is six hexadecimal digits";
}

// The opaque colour, as 0xAARRGGBB, that the colour lines give the pixel character `key`.
consteval std::uint32_t ColourOf(char key, const char* const* colourLines, int colours) {
    for (int i = 0; i < colours; ++i) {
        const std::string_view line = colourLines[i];
        if (line.size() != 11 || line.substr(1, 4) != " c #") {
            throw "every colour is written \"K c #RRGGBB\"";
        }
        if (line[0] == key) {
            std::uint32_t rgb = 0;
            for (const char digit : line.substr(5)) {
                rgb = rgb << 4 | HexDigit(digit);
            }
            return 0xFF000000u | rgb;
        }
    }
    throw "a pixel of a colour that the picture does not list";
}

// A picture's pixels row by row, each an opaque 0xAARRGGBB (QImage::Format_RGB32's layout).
template <int kWidth, int kHeight>
struct Pixels {
    static constexpr int width = kWidth;
    static constexpr int height = kHeight;
    std::array<std::uint32_t, std::size_t{kWidth} * kHeight> argb{};
};

// The XPM array `kXpm` decoded, each of its pixels a `kScale` x `kScale` block.
template <const auto& kXpm, int kScale = 1>
consteval auto Decode() {
    constexpr Header header = ReadHeader(kXpm[0]);
    static_assert(std::size(kXpm) == std::size_t{1} + header.colours + header.height,
                  "an XPM picture holds its header, its colours and one string per row");
    const char* const* colourLines = kXpm + 1;
    const char* const* rows = colourLines + header.colours;
    Pixels<header.width * kScale, header.height * kScale> pixels;
    for (int y = 0; y < header.height; ++y) {
        const std::string_view row = rows[y];
        if (row.size() != static_cast<std::size_t>(header.width)) {
            throw "every row of an XPM picture is as wide as the picture";
        }
        for (int x = 0; x < header.width; ++x) {
            const std::uint32_t colour = ColourOf(row[x], colourLines, header.colours);
            for (int blockY = 0; blockY < kScale; ++blockY) {
                for (int blockX = 0; blockX < kScale; ++blockX) {
                    pixels.argb[static_cast<std::size_t>((y * kScale + blockY) * pixels.width +
                                                         x * kScale + blockX)] = colour;
                }
            }
        }
    }
    return pixels;
}

// Where a decoded picture lies, whatever its size.
struct PixelsView {
    const std::uint32_t* argb;
    int width;
    int height;
};

template <const auto& kXpm, int kScale = 1>
inline constexpr auto kDecoded = Decode<kXpm, kScale>();

template <const auto& kXpm, int kScale = 1>
constexpr PixelsView Decoded() {
    const auto& pixels = kDecoded<kXpm, kScale>;
    return {pixels.argb.data(), pixels.width, pixels.height};
}

}  // namespace kestravon::xpm
