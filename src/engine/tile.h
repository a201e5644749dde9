// What a cell and the face show.
#pragma once

#include <cstdint>

namespace kestravon {

// What a cell shows. A cell's state *is* its tile: there is no other record of
// whether a cell is closed, marked or open, and tiles are compared by identity.
enum class Tile : std::uint8_t {
    None,        // closed and unmarked
    Flag,        // closed, flagged
    Understand,  // closed, question mark
    Push,        // open, no mine around it
    Num1,
    Num2,
    Num3,
    Num4,
    Num5,
    Num6,
    Num7,
    Num8,
    Bomb,   // a mine, shown after a loss
    Bomb1,  // the mine that was opened
};

inline constexpr int kTileCount = 14;

// The number tile for n = 1..8 mines around a cell.
constexpr Tile NumberTile(int n) {
    return static_cast<Tile>(static_cast<int>(Tile::Num1) + n - 1);
}

// What the face button shows.
enum class Face : std::uint8_t {
    Start,  // new game and game under way
    Clear,  // game won
    Fail,   // game lost
};

inline constexpr int kFaceCount = 3;

}  // namespace kestravon
