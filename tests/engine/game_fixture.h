#pragma once

#include <utility>
#include <vector>

#include "engine/game.h"
#include "platform/fake_platform.h"

namespace kestravon {

// Records every change report and hook call of a game.
class RecordingObserver final : public GameObserver {
  public:
    void GameChanged(const GameChanges& changes) override { reports.push_back(changes); }
    void ShowBestTimesAfterWin() override { ++bestTimeWindows; }

    std::vector<GameChanges> reports;
    int bestTimeWindows = 0;
};

// A game on the fake platform, with helpers to lay out known mines.
struct GameFixture {
    GameFixture() { game.SetObserver(&observer); }

    // The draw that makes RandomRange(0, count - 1) return `index`.
    static float DrawFor(int index, int count) {
        return (static_cast<float>(index) + 0.5f) / count;
    }

    // Lays out a custom board of `rows` x `columns` with mines exactly at `mines` (x, y).
    void CustomBoard(int rows, int columns, const std::vector<std::pair<int, int>>& mines) {
        std::vector<float> draws;
        for (const auto& [x, y] : mines) {
            draws.push_back(DrawFor(x, columns));
            draws.push_back(DrawFor(y, rows));
        }
        platform.QueueDraws(draws);
        module1.CustomMines = static_cast<std::int16_t>(mines.size());
        game.SelectLevel(Level::盤面の変更);
        game.SetupBoard(static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns));
    }

    // A fixed level's board with known mines: the first draw picks the mine count.
    void LevelBoard(Level level, const std::vector<std::pair<int, int>>& mines) {
        const FixedLevel& fixed = *FindFixedLevel(level);
        const int range = fixed.mostMines - fixed.fewestMines + 1;
        std::vector<float> draws{
            DrawFor(static_cast<int>(mines.size()) - fixed.fewestMines, range)};
        for (const auto& [x, y] : mines) {
            draws.push_back(DrawFor(x, fixed.columns));
            draws.push_back(DrawFor(y, fixed.rows));
        }
        platform.QueueDraws(draws);
        game.SelectLevel(level);
        game.SetupBoard(fixed.rows, fixed.columns);
    }

    int Index(int x, int y) const { return y * game.board().ColCount + x; }
    void Left(int x, int y) { game.PressCell(Index(x, y), MouseButton::Left); }
    void Right(int x, int y) { game.PressCell(Index(x, y), MouseButton::Right); }
    Tile At(int x, int y) const {
        return game.display().ImageMap[static_cast<std::size_t>(Index(x, y))].tile;
    }
    bool Enabled(int x, int y) const {
        return game.display().ImageMap[static_cast<std::size_t>(Index(x, y))].enabled;
    }
    int CountTiles(Tile tile) const {
        int count = 0;
        for (const Cell& cell : game.display().ImageMap) {
            count += cell.tile == tile ? 1 : 0;
        }
        return count;
    }

    FakePlatform platform;
    Module1 module1{platform};
    Game game{platform, module1};
    RecordingObserver observer;
};

}  // namespace kestravon
