// The game's board, new game, presses and reveal.
#include "engine/game.h"

#include <algorithm>
#include <utility>

#include "engine/number_format.h"
#include "engine/random_range.h"
#include "platform/platform.h"

namespace kestravon {

Game::Game(Platform& platform, BestTimeTable& bestTimes)
    : platform_(platform), bestTimes_(bestTimes) {}

void Game::SetupBoard(std::int16_t rows, std::int16_t columns) {
    if (rows < 1 || columns < 1 || rows > kMaxBoardSide || columns > kMaxBoardSide) {
        return;
    }
    pending_.board = true;
    rows_ = rows;
    columns_ = columns;
    const auto cellCount = static_cast<std::size_t>(rows) * static_cast<std::size_t>(columns);
    cells_.assign(cellCount, Cell{});
    mines_.assign(cellCount, 0);
    NewGame();
}

void Game::NewGame() {
    platform_.SeedRandomFromClock();
    std::fill(cells_.begin(), cells_.end(), Cell{});
    pending_.allCells = true;
    SetFace(Face::Start);
    openedSafeCells_ = 0;
    if (level_) {
        const FixedLevel* fixed = FindFixedLevel(*level_);
        mineTotal_ = fixed != nullptr ? RandomRange(platform_, fixed->fewestMines, fixed->mostMines)
                                      : customMines_;
    }
    SetMineCounter(FormatGeneral(mineTotal_));
    PlaceMines();
    SetPhase(GamePhase::Ready);
    SetElapsedTime("0");
    Flush();
}

void Game::PlaceMines() {
    std::fill(mines_.begin(), mines_.end(), 0);
    // Rejection sampling: a draw that hits a mine is thrown away whole. No more mines
    // are placed than the board has cells, or the search for a free cell would never end.
    const int mines = std::min(mineTotal_, static_cast<std::int32_t>(cells_.size()));
    for (int placed = 0; placed < mines; ++placed) {
        for (;;) {
            const int column = RandomRange(platform_, 0, static_cast<std::int16_t>(columns_ - 1));
            const int row = RandomRange(platform_, 0, static_cast<std::int16_t>(rows_ - 1));
            std::uint8_t& mine = mines_[static_cast<std::size_t>(CellNumber(column, row))];
            if (mine == 0) {
                mine = 1;
                break;
            }
        }
    }
}

PressResult Game::PressCell(int cell, Press press) {
    if (cell < 0 || cell >= static_cast<int>(cells_.size()) ||
        !cells_[static_cast<std::size_t>(cell)].enabled) {
        return {};
    }
    const std::int32_t openedBefore = openedSafeCells_;
    switch (press) {
        case Press::Open:
            OpenPress(cell);
            break;
        case Press::Mark:
            MarkPress(cell);
            break;
    }
    Flush();
    return {true, openedSafeCells_ - openedBefore};
}

void Game::OpenPress(int cell) {
    // Every open press starts the clock, also one on a marked cell that opens nothing.
    if (phase_ == GamePhase::Ready) {
        startTime_ = platform_.SteadySeconds();
        SetPhase(GamePhase::Playing);
    }
    RevealCell(cell % columns_, cell / columns_);
    WinCheck();
}

void Game::MarkPress(int cell) {
    const auto addToMineCounter = [this](int delta) {
        SetMineCounter(FormatGeneral(ReadLeadingNumber(mineCounter_) + delta));
    };
    switch (cells_[static_cast<std::size_t>(cell)].tile) {
        case Tile::None:
            SetTile(cell, Tile::Flag);
            addToMineCounter(-1);
            break;
        case Tile::Flag:
            SetTile(cell, Tile::Understand);
            addToMineCounter(+1);
            break;
        case Tile::Understand:
            SetTile(cell, Tile::None);
            break;
        default:
            break;
    }
}

void Game::RevealCell(int x, int y) {
    if (TileAt(x, y) != Tile::None) {
        return;
    }
    if (MineAt(x, y)) {
        LossSequence(x, y);
        return;
    }
    if (!OpenSafeCell(x, y)) {
        return;
    }
    // The blank region, opened run by run along the rows with a work list instead of
    // recursion: the opened region does not depend on the visiting order, and the
    // largest board would otherwise recurse thousands of calls deep. A blank cell has
    // no mine around it, so the flood never reaches one.
    floodWork_.clear();
    floodWork_.push_back(
        {static_cast<std::int16_t>(x), static_cast<std::int16_t>(x), static_cast<std::int16_t>(y)});
    while (!floodWork_.empty()) {
        const BlankRun run = floodWork_.back();
        floodWork_.pop_back();
        int left = run.left;
        int right = run.right;
        while (left > 0 && TileAt(left - 1, run.row) == Tile::None &&
               OpenSafeCell(left - 1, run.row)) {
            --left;
        }
        while (right < columns_ - 1 && TileAt(right + 1, run.row) == Tile::None &&
               OpenSafeCell(right + 1, run.row)) {
            ++right;
        }
        // The run's blank cells open their closed neighbours in the rows above and
        // below; the blank ones among them make new runs.
        for (const int row : {run.row - 1, run.row + 1}) {
            if (row < 0 || row >= rows_) {
                continue;
            }
            const int last = std::min(right + 1, columns_ - 1);
            for (int column = std::max(left - 1, 0); column <= last; ++column) {
                if (TileAt(column, row) != Tile::None || !OpenSafeCell(column, row)) {
                    continue;
                }
                const int start = column;
                while (column < last && TileAt(column + 1, row) == Tile::None &&
                       OpenSafeCell(column + 1, row)) {
                    ++column;
                }
                floodWork_.push_back({static_cast<std::int16_t>(start),
                                      static_cast<std::int16_t>(column),
                                      static_cast<std::int16_t>(row)});
            }
        }
    }
}

bool Game::OpenSafeCell(int x, int y) {
    const int mines = CountMinesAround(x, y);
    if (mines > 0) {
        SetTile(CellNumber(x, y), NumberTile(mines));
        ++openedSafeCells_;
        return false;
    }
    SetTile(CellNumber(x, y), Tile::Push);
    ++openedSafeCells_;
    return true;
}

int Game::CountMinesAround(int x, int y) const {
    const int left = std::max(x - 1, 0);
    const int right = std::min(x + 1, columns_ - 1);
    const int top = std::max(y - 1, 0);
    const int bottom = std::min(y + 1, rows_ - 1);
    int mines = -static_cast<int>(MineAt(x, y));
    for (int row = top; row <= bottom; ++row) {
        const std::uint8_t* line = &mines_[static_cast<std::size_t>(CellNumber(0, row))];
        for (int column = left; column <= right; ++column) {
            mines += line[column];
        }
    }
    return mines;
}

void Game::DisableAllCells() {
    for (Cell& cell : cells_) {
        cell.enabled = false;
    }
}

void Game::SetTile(int cell, Tile tile) {
    cells_[static_cast<std::size_t>(cell)].tile = tile;
    if (!pending_.allCells) {
        pending_.cells.push_back(cell);
    }
}

void Game::SetPhase(GamePhase phase) {
    const bool clockWasRunning = phase_ == GamePhase::Playing;
    phase_ = phase;
    if (clockWasRunning != (phase == GamePhase::Playing)) {
        pending_.clock = true;
    }
}

void Game::SetFace(Face face) {
    face_ = face;
    pending_.face = true;
}

void Game::SetMineCounter(std::string text) {
    mineCounter_ = std::move(text);
    pending_.mineCounter = true;
}

void Game::SetElapsedTime(std::string text) {
    if (elapsedTime_ != text) {
        elapsedTime_ = std::move(text);
        pending_.elapsedTime = true;
    }
}

void Game::ShowMessage(std::string_view text) {
    Flush();
    platform_.ShowMessage(text);
}

void Game::Flush() {
    if (pending_.Empty()) {
        return;
    }
    // Taken first: the observer may run a nested event loop whose clock ticks report anew.
    const GameChanges changes = std::exchange(pending_, {});
    if (observer_ != nullptr) {
        observer_->GameChanged(changes);
    }
}

}  // namespace kestravon
