// The fake platform's random draws that lay out a new game's mines where a test wants them.
#pragma once

#include <utility>
#include <vector>

#include "engine/levels.h"

namespace kestravon {

// The draw that makes RandomRange(0, count - 1) return `index`.
inline float DrawFor(int index, int count) {
    return (static_cast<float>(index) + 0.5f) / count;
}

// The draws that place mines at `mines` (x, y) on a board of `rows` x `columns`.
inline std::vector<float> MineDraws(int rows, int columns,
                                    const std::vector<std::pair<int, int>>& mines) {
    std::vector<float> draws;
    for (const auto& [x, y] : mines) {
        draws.push_back(DrawFor(x, columns));
        draws.push_back(DrawFor(y, rows));
    }
    return draws;
}

// A fixed level's new game with mines at `mines`: its first draw picks their number.
inline std::vector<float> LevelMineDraws(Level level,
                                         const std::vector<std::pair<int, int>>& mines) {
    const FixedLevel& fixed = *FindFixedLevel(level);
    std::vector<float> draws{DrawFor(static_cast<int>(mines.size()) - fixed.fewestMines,
                                     fixed.mostMines - fixed.fewestMines + 1)};
    const std::vector<float> placed = MineDraws(fixed.rows, fixed.columns, mines);
    draws.insert(draws.end(), placed.begin(), placed.end());
    return draws;
}

}  // namespace kestravon
