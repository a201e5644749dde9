// What one step of the game changed, and the view that is told.
#pragma once

#include <vector>

namespace kestravon {

// What one step of the game changed, so that a view repaints only that.
struct GameChanges {
    bool board = false;      // a board was laid out, maybe of a new size
    bool allCells = false;   // every cell (a new board or a new game)
    std::vector<int> cells;  // cell numbers, when not allCells
    bool face = false;
    bool mineCounter = false;
    bool elapsedTime = false;
    bool level = false;
    bool clock = false;  // the clock started or stopped

    bool Empty() const {
        return !board && !allCells && cells.empty() && !face && !mineCounter && !elapsedTime &&
               !level && !clock;
    }
};

// The view of a game. It is told about changes before every message box, so
// that the board is up to date while the box is open, and after every operation.
class GameObserver {
  public:
    virtual ~GameObserver() = default;
    virtual void GameChanged(const GameChanges& changes) = 0;
    // The last step of a win at 超上級: show the best times without modality.
    virtual void ShowBestTimesAfterWin() {}
};

}  // namespace kestravon
