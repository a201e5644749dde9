// The levels of the game menu: the fixed boards and the custom board.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kestravon {

// The six levels of the game menu, in its order: 初級, 中級, 上級, 超上級, 地獄 and the
// custom board of the board-change dialog (盤面の変更).
enum class Level : std::uint8_t { Beginner, Intermediate, Advanced, Expert, Hell, Custom };

inline constexpr int kLevelCount = 6;

struct FixedLevel {
    Level level;
    std::int16_t rows;
    std::int16_t columns;
    std::int16_t fewestMines;         // the mine count of a new game is drawn from
    std::int16_t mostMines;           // fewestMines..mostMines, both included
    std::optional<int> bestTimeBase;  // first of the level's entries in the best-time table
};

inline constexpr std::array<FixedLevel, 5> kFixedLevels{{
    {Level::Beginner, 9, 9, 5, 15, 0},
    {Level::Intermediate, 16, 16, 20, 40, 3},
    {Level::Advanced, 16, 30, 60, 80, 6},
    {Level::Expert, 40, 40, 250, 350, 9},
    {Level::Hell, 60, 84, 650, 800, std::nullopt},
}};

// The fixed level's row of the table, or nullptr for the custom board.
constexpr const FixedLevel* FindFixedLevel(Level level) {
    for (const FixedLevel& fixed : kFixedLevels) {
        if (fixed.level == level) {
            return &fixed;
        }
    }
    return nullptr;
}

// The largest side a board can have.
inline constexpr int kMaxBoardSide = 101;

}  // namespace kestravon
