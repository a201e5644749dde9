// A game on the fake platform, with known mines, for the engine's tests.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

#include "engine/best_time_table.h"
#include "engine/game.h"
#include "platform/fake_platform.h"
#include "support/mine_draws.h"

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

    // Lays out a custom board of `rows` x `columns` with mines exactly at `mines` (x, y).
    void CustomBoard(int rows, int columns, const std::vector<std::pair<int, int>>& mines) {
        platform.QueueDraws(MineDraws(rows, columns, mines));
        Accept(rows, columns, static_cast<int>(mines.size()));
    }

    // A fixed level's board with known mines.
    void LevelBoard(Level level, const std::vector<std::pair<int, int>>& mines) {
        platform.QueueDraws(LevelMineDraws(level, mines));
        game.ChooseLevel(level);
    }

    // The board-change dialog's answer for an accepted entry.
    void Accept(int rows, int columns, int mines) {
        game.AnswerBoardChange(
            {BoardChangeAnswer::Ending::Accepted,
             {static_cast<std::int16_t>(rows), static_cast<std::int16_t>(columns),
              static_cast<std::int16_t>(mines)}});
    }

    int Index(int x, int y) const { return y * game.columns() + x; }
    void Left(int x, int y) { game.PressCell(Index(x, y), Press::Open); }
    void Right(int x, int y) { game.PressCell(Index(x, y), Press::Mark); }
    Tile At(int x, int y) const { return game.cells()[static_cast<std::size_t>(Index(x, y))].tile; }
    bool Enabled(int x, int y) const {
        return game.cells()[static_cast<std::size_t>(Index(x, y))].enabled;
    }
    bool Mine(int x, int y) const { return game.HasMine(Index(x, y)); }
    int CountTiles(Tile tile) const {
        return static_cast<int>(
            std::count_if(game.cells().begin(), game.cells().end(),
                          [tile](const Cell& cell) { return cell.tile == tile; }));
    }
    int CountMines() const {
        int count = 0;
        for (int cell = 0; cell < static_cast<int>(game.cells().size()); ++cell) {
            count += game.HasMine(cell) ? 1 : 0;
        }
        return count;
    }

    FakePlatform platform;
    BestTimeTable bestTimes;
    Game game{platform, bestTimes};
    RecordingObserver observer;
};

}  // namespace kestravon
