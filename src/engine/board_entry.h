// The board-change dialog's rules: which custom boards are accepted, and why others are refused.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

namespace kestravon {

// A custom board that the game can lay out: sides 1..101, 0 <= mines < height * width.
struct BoardEntry {
    std::int16_t height;
    std::int16_t width;
    std::int16_t mines;

    bool operator==(const BoardEntry&) const = default;
};

// How the player left the board-change dialog.
struct BoardChangeAnswer {
    enum class Ending { Accepted, Cancelled, Closed };
    Ending ending = Ending::Closed;
    BoardEntry entry{};  // the accepted entry, when Accepted
};

// Boards of this many cells and more are refused, and so are boards of fewer than the
// smallest area.
inline constexpr double kBoardAreaLimit = 3000;
inline constexpr double kSmallestBoardArea = 81;

// The most mines a board may hold: its area divided by a divisor that grows with the
// area (a quarter of the cells below 1000, then 1/5.5 below 2000, then 1/6.5).
struct DensityBand {
    double areaBelow;
    double divisor;
};
inline constexpr DensityBand kDensityBands[] = {{1000, 4.0}, {2000, 5.5}, {kBoardAreaLimit, 6.5}};

// The board-change dialog's tests on the texts of its three boxes: the accepted entry, or
// the message that refuses it. The area and density tests work on the numbers as read,
// unrounded; an accepted entry is rounded half to even.
std::variant<BoardEntry, std::string> CheckBoardEntry(std::string_view height,
                                                      std::string_view width,
                                                      std::string_view mines);

}  // namespace kestravon
