#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_observer.h"
#include "engine/levels.h"
#include "engine/module1.h"
#include "engine/tile.h"

namespace kestravon {

class Platform;

// Mine grid addressed Cells[column][row]: 1 where a mine lies, 0 elsewhere. Only
// the current board's rectangle has meaning; a new game clears only that.
using MineGrid = std::array<std::array<std::int32_t, kMaxBoardSide>, kMaxBoardSide>;

struct BoardFields {
    std::int16_t RowCount = 0;
    std::int16_t ColCount = 0;
    MineGrid Cells{};
    std::int32_t MineTotal = 0;
    std::int32_t NumberOpenCount = 0;  // opened cells that show a number
    std::int32_t BlankOpenCount = 0;   // opened cells that show the blank tile
    std::int32_t Playing = 0;          // 1 while the clock runs
    double StartTime = 0.0;            // clock reading at the press that started it
};

struct Cell {
    Tile tile = Tile::None;
    bool enabled = true;  // a disabled cell takes no presses
};

// What the window shows and what the game decides by: the cells' tiles, the
// face, the two counters (the game reads them back as numbers) and the level marks.
struct Display {
    std::vector<Cell> ImageMap;
    Face リセットボタン = Face::Start;
    std::string 爆弾の数 = "0";
    std::string 経過時間 = "0";
    std::array<bool, kLevelCount> levelMarks{};
};

enum class MouseButton { Left = 1, Right = 2, Middle = 4 };

// The game of the main window: board, presses, reveal, end, clock and ranking.
class Game final {
  public:
    Game(Platform& platform, Module1& module1);

    void SetObserver(GameObserver* observer) { observer_ = observer; }

    const BoardFields& board() const { return board_; }
    const Display& display() const { return display_; }
    int CellCount() const { return static_cast<int>(display_.ImageMap.size()); }

    // The board part of the window's board setup: records the size, lays out one
    // cell per position and starts a new game. Sides must lie in 1..101.
    void SetupBoard(std::int16_t height, std::int16_t width);
    void NewGame();
    // A mouse button went down on cell `index`.
    void PressCell(int index, MouseButton button);
    // The 100 ms clock tick.
    void Timer1sec();

    // Check marks: SelectLevel sets its own and clears the five others.
    void SelectLevel(Level level);
    void SetLevelMark(Level level, bool checked);
    bool LevelMark(Level level) const {
        return display_.levelMarks[static_cast<std::size_t>(level)];
    }
    // The first checked level in the fixed order, if any.
    std::optional<Level> CurrentLevel() const;

  private:
    void LeftPress(int index);
    void RightPress(int index);
    void RevealCell(std::int16_t x, std::int16_t y);
    // The cell (x, y) and its neighbours on the board, as a clipped rectangle.
    struct Neighbourhood {
        int left;
        int top;
        int right;
        int bottom;
    };
    Neighbourhood NeighbourhoodOf(int x, int y) const {
        return {std::max(x - 1, 0), std::max(y - 1, 0), std::min(x + 1, board_.ColCount - 1),
                std::min(y + 1, board_.RowCount - 1)};
    }
    // Opens a closed cell without a mine; true when it is blank.
    bool OpenSafeCell(int x, int y);
    int CountMinesAround(int x, int y) const;
    void LossSequence(std::int16_t x, std::int16_t y);
    void ShowAllMines();
    void WinCheck();
    void WinSequence();
    void RankBestTime(std::int16_t base);
    void DisableAllCells();

    bool OnBoard(int x, int y) const {
        return x >= 0 && x < board_.ColCount && y >= 0 && y < board_.RowCount;
    }
    Tile TileAt(int x, int y) const { return display_.ImageMap[CellNumber(x, y)].tile; }
    std::size_t CellNumber(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(board_.ColCount) +
               static_cast<std::size_t>(x);
    }
    void SetTile(std::size_t index, Tile tile);
    // Starts (1) or stops (0) the clock.
    void SetPlaying(std::int32_t playing);
    // The elapsed-time box from the clock.
    void ShowElapsedTime();
    void SetFace(Face face);
    void SetMineCounter(std::string text);
    void SetElapsedTime(std::string text);
    void ShowMessage(std::string_view text);
    // Hands what changed to the observer.
    void Flush();

    Platform& platform_;
    Module1& module1_;
    GameObserver* observer_ = nullptr;
    BoardFields board_;
    Display display_;
    GameChanges pending_;
    // Runs of opened blank cells in one row whose neighbours the flood has yet to open.
    struct BlankRun {
        std::int16_t left;
        std::int16_t right;
        std::int16_t row;
    };
    std::vector<BlankRun> floodWork_;
};

}  // namespace kestravon
