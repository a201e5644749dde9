// The game: the board, the player's presses, the end of a game, its clock and its ranking.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/board_entry.h"
#include "engine/game_observer.h"
#include "engine/levels.h"
#include "engine/tile.h"

namespace kestravon {

class BestTimeTable;
class Platform;

// Where a game stands. The clock runs while it is Playing.
enum class GamePhase {
    Ready,    // a new game: every cell closed, the clock not yet started
    Playing,  // since the first open press on a cell
    Won,      // every cell without a mine open
    Lost,     // a mine opened
};

// What a press on a cell does, whichever device made it: a mouse button, a key, a touch or a
// screen reader's action.
enum class Press {
    Open,  // uncovers a closed cell (the left button); every one starts the clock
    Mark,  // flag, question mark, none in turn (the right button)
};

// What a press did, for a player who cannot see the board: the rest is in the game's state.
struct PressResult {
    // A disabled cell (a game that has ended), or one off the board, takes none.
    bool taken = false;
    // The cells it opened: one, a blank region, or none.
    int opened = 0;
};

struct Cell {
    Tile tile = Tile::None;  // the cell's state: closed, marked or open
    bool enabled = true;     // a disabled cell takes no presses
};

// The game of the main window: the board, the player's presses, the end of a game, its
// clock and the ranking of a winning time. Cells are numbered row by row from the top
// left: cell = row * columns + column.
class Game final {
  public:
    Game(Platform& platform, BestTimeTable& bestTimes);

    void SetObserver(GameObserver* observer) { observer_ = observer; }

    // The current level: the one whose number of mines a new game takes, and whose best
    // times a win ranks. None before the first choice.
    std::optional<Level> level() const { return level_; }

    // A fixed level's command: the level, then its board with a new game on it.
    void ChooseLevel(Level level);
    // The board-change command, once the player has left its dialog: an accepted entry
    // becomes the custom board, and a cancel forgets the last one; an accepted entry, or
    // the close box after one, sets that board up with a new game.
    void AnswerBoardChange(const BoardChangeAnswer& answer);

    // Lays out a board of `rows` x `columns` cells and starts a new game on it. Sides
    // outside 1..101 are refused.
    void SetupBoard(std::int16_t rows, std::int16_t columns);
    void NewGame();
    // A press on a cell, and what it did.
    PressResult PressCell(int cell, Press press);
    // The clock's tick: refreshes the elapsed time while the clock runs.
    void TickClock();

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    const std::vector<Cell>& cells() const { return cells_; }
    // Where the mines lie, as a loss shows them.
    bool HasMine(int cell) const { return mines_[static_cast<std::size_t>(cell)] != 0; }
    GamePhase phase() const { return phase_; }
    Face face() const { return face_; }
    // The two counters' texts: mines less flags, and the elapsed seconds.
    const std::string& mineCounterText() const { return mineCounter_; }
    const std::string& elapsedTimeText() const { return elapsedTime_; }

  private:
    void SelectLevel(Level level);
    // The custom board, whose new games have `mines` mines.
    void SelectCustomBoard(std::int16_t mines);
    void OpenPress(int cell);
    void MarkPress(int cell);
    void RevealCell(int x, int y);
    // Opens a closed cell without a mine; true when it is blank.
    bool OpenSafeCell(int x, int y);
    int CountMinesAround(int x, int y) const;
    void PlaceMines();
    void LossSequence(int x, int y);
    void ShowAllMines();
    void WinCheck();
    void WinSequence();
    void RankBestTime(Level level);
    void DisableAllCells();

    int CellNumber(int x, int y) const { return y * columns_ + x; }
    Tile TileAt(int x, int y) const {
        return cells_[static_cast<std::size_t>(CellNumber(x, y))].tile;
    }
    bool MineAt(int x, int y) const { return HasMine(CellNumber(x, y)); }
    void SetTile(int cell, Tile tile);
    void SetPhase(GamePhase phase);
    void SetFace(Face face);
    void SetMineCounter(std::string text);
    void SetElapsedTime(std::string text);
    // The elapsed-time box from the clock.
    void ShowElapsedTime();
    void ShowMessage(std::string_view text);
    // Hands what changed to the observer.
    void Flush();

    Platform& platform_;
    BestTimeTable& bestTimes_;
    GameObserver* observer_ = nullptr;

    std::optional<Level> level_;
    std::int16_t customMines_ = 0;
    // The last custom board accepted, which the dialog's close box sets up again.
    std::optional<BoardEntry> customBoard_;

    std::int16_t rows_ = 0;
    std::int16_t columns_ = 0;
    std::vector<Cell> cells_;
    std::vector<std::uint8_t> mines_;  // 1 where a mine lies, in the cells' order
    std::int32_t mineTotal_ = 0;
    std::int32_t openedSafeCells_ = 0;  // opened cells, each showing a number or blank

    GamePhase phase_ = GamePhase::Ready;
    double startTime_ = 0.0;  // the steady clock when the clock started
    Face face_ = Face::Start;
    std::string mineCounter_ = "0";
    std::string elapsedTime_ = "0";

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
