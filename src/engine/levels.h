#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace kestravon {

// The six levels of the game menu, in the fixed order in which their check marks
// are read: the first checked one is the current level. (Hidden from Qt's moc,
// which cannot parse non-ASCII enumerators and has no use for them.)
#ifndef Q_MOC_RUN
enum class Level : std::uint8_t { 初級, 中級, 上級, 超上級, 地獄, 盤面の変更 };
#else
enum class Level : std::uint8_t;
#endif

inline constexpr int kLevelCount = 6;

struct FixedLevel {
    Level level;
    std::int16_t rows;
    std::int16_t columns;
    std::int16_t fewestMines;         // the mine count of a new game is drawn from
    std::int16_t mostMines;           // fewestMines..mostMines, both included
    std::optional<int> bestTimeBase;  // first of the level's three BestTime entries
};

inline constexpr std::array<FixedLevel, 5> kFixedLevels{{
    {Level::初級, 9, 9, 5, 15, 0},
    {Level::中級, 16, 16, 20, 40, 3},
    {Level::上級, 16, 30, 60, 80, 6},
    {Level::超上級, 40, 40, 250, 350, 9},
    {Level::地獄, 60, 84, 650, 800, std::nullopt},
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

// The largest side a board can have: the mine grid is 101 by 101.
inline constexpr int kMaxBoardSide = 101;

}  // namespace kestravon
