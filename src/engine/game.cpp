#include "engine/game.h"

#include <algorithm>

#include "engine/number_format.h"
#include "platform/platform.h"

namespace kestravon {

Game::Game(Platform& platform, Module1& module1) : platform_(platform), module1_(module1) {}

void Game::SetupBoard(std::int16_t height, std::int16_t width) {
    if (height < 1 || width < 1 || height > kMaxBoardSide || width > kMaxBoardSide) {
        return;
    }
    board_.ColCount = width;
    board_.RowCount = height;
    // Cell 0 is the model for the others: new cells copy its enabled flag.
    const Cell model = display_.ImageMap.empty() ? Cell{} : display_.ImageMap.front();
    display_.ImageMap.resize(1);
    display_.ImageMap.front() = model;
    display_.ImageMap.resize(static_cast<std::size_t>(height) * static_cast<std::size_t>(width),
                             Cell{Tile::None, model.enabled});
    pending_.allCells = true;
    NewGame();
}

void Game::NewGame() {
    platform_.SeedRandomFromClock();
    for (int column = 0; column < board_.ColCount; ++column) {
        std::fill_n(board_.Cells[static_cast<std::size_t>(column)].begin(), board_.RowCount, 0);
    }
    for (Cell& cell : display_.ImageMap) {
        cell.tile = Tile::None;
    }
    SetFace(Face::Start);
    for (Cell& cell : display_.ImageMap) {
        cell.enabled = true;
    }
    pending_.allCells = true;
    board_.NumberOpenCount = 0;
    board_.BlankOpenCount = 0;

    if (const std::optional<Level> level = CurrentLevel()) {
        if (const FixedLevel* fixed = FindFixedLevel(*level)) {
            board_.MineTotal = module1_.RandomRange(fixed->fewestMines, fixed->mostMines);
        } else {
            board_.MineTotal = module1_.CustomMines;
        }
    }
    SetMineCounter(FormatGeneral(board_.MineTotal));

    // Rejection sampling: a draw that hits a mine is thrown away whole. No more mines
    // are placed than the board has cells, or the search for a free cell would never end.
    const int mines = std::min(board_.MineTotal, CellCount());
    for (int placed = 0; placed < mines; ++placed) {
        for (;;) {
            const std::int16_t column =
                module1_.RandomRange(0, static_cast<std::int16_t>(board_.ColCount - 1));
            const std::int16_t row =
                module1_.RandomRange(0, static_cast<std::int16_t>(board_.RowCount - 1));
            std::int32_t& cell =
                board_.Cells[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)];
            if (cell == 0) {
                cell = 1;
                break;
            }
        }
    }
    SetPlaying(0);
    SetElapsedTime("0");
    Flush();
}

void Game::PressCell(int index, MouseButton button) {
    if (index < 0 || index >= CellCount() ||
        !display_.ImageMap[static_cast<std::size_t>(index)].enabled) {
        return;
    }
    switch (button) {
        case MouseButton::Left:
            LeftPress(index);
            break;
        case MouseButton::Right:
            RightPress(index);
            break;
        case MouseButton::Middle:
            break;
    }
    Flush();
}

void Game::LeftPress(int index) {
    if (board_.Playing == 0) {
        board_.StartTime = platform_.SteadySeconds();
    }
    SetPlaying(1);
    RevealCell(static_cast<std::int16_t>(index % board_.ColCount),
               static_cast<std::int16_t>(index / board_.ColCount));
    WinCheck();
}

void Game::RightPress(int index) {
    const auto cell = static_cast<std::size_t>(index);
    const auto counterPlus = [this](int delta) {
        SetMineCounter(FormatGeneral(ReadLeadingNumber(display_.爆弾の数) + delta));
    };
    switch (display_.ImageMap[cell].tile) {
        case Tile::Flag:
            SetTile(cell, Tile::Understand);
            counterPlus(+1);
            break;
        case Tile::Understand:
            SetTile(cell, Tile::None);
            break;
        case Tile::None:
            SetTile(cell, Tile::Flag);
            counterPlus(-1);
            break;
        default:
            break;
    }
}

void Game::RevealCell(std::int16_t x, std::int16_t y) {
    if (TileAt(x, y) != Tile::None) {
        return;
    }
    if (board_.Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)] == 1) {
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
    floodWork_.push_back({x, x, y});
    while (!floodWork_.empty()) {
        const BlankRun run = floodWork_.back();
        floodWork_.pop_back();
        int left = run.left;
        int right = run.right;
        while (left > 0 && TileAt(left - 1, run.row) == Tile::None &&
               OpenSafeCell(left - 1, run.row)) {
            --left;
        }
        while (right < board_.ColCount - 1 && TileAt(right + 1, run.row) == Tile::None &&
               OpenSafeCell(right + 1, run.row)) {
            ++right;
        }
        // The run's blank cells open their closed neighbours in the rows above and
        // below; the blank ones among them make new runs.
        for (const int row : {run.row - 1, run.row + 1}) {
            if (row < 0 || row >= board_.RowCount) {
                continue;
            }
            const int last = std::min(right + 1, board_.ColCount - 1);
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
        ++board_.NumberOpenCount;
        return false;
    }
    SetTile(CellNumber(x, y), Tile::Push);
    ++board_.BlankOpenCount;
    return true;
}

inline int Game::CountMinesAround(int x, int y) const {
    const Neighbourhood around = NeighbourhoodOf(x, y);
    int mines = -board_.Cells[static_cast<std::size_t>(x)][static_cast<std::size_t>(y)];
    for (int i = around.left; i <= around.right; ++i) {
        const auto& column = board_.Cells[static_cast<std::size_t>(i)];
        for (int j = around.top; j <= around.bottom; ++j) {
            mines += column[static_cast<std::size_t>(j)];
        }
    }
    return mines;
}

void Game::SelectLevel(Level level) {
    for (int index = 0; index < kLevelCount; ++index) {
        display_.levelMarks[static_cast<std::size_t>(index)] = static_cast<Level>(index) == level;
    }
    pending_.levelMarks = true;
    Flush();
}

void Game::SetLevelMark(Level level, bool checked) {
    display_.levelMarks[static_cast<std::size_t>(level)] = checked;
    pending_.levelMarks = true;
    Flush();
}

std::optional<Level> Game::CurrentLevel() const {
    const auto first = std::find(display_.levelMarks.begin(), display_.levelMarks.end(), true);
    if (first == display_.levelMarks.end()) {
        return std::nullopt;
    }
    return static_cast<Level>(first - display_.levelMarks.begin());
}

void Game::DisableAllCells() {
    for (Cell& cell : display_.ImageMap) {
        cell.enabled = false;
    }
}

void Game::SetTile(std::size_t index, Tile tile) {
    display_.ImageMap[index].tile = tile;
    if (!pending_.allCells) {
        pending_.cells.push_back(static_cast<int>(index));
    }
}

void Game::SetPlaying(std::int32_t playing) {
    if (board_.Playing != playing) {
        board_.Playing = playing;
        pending_.clock = true;
    }
}

void Game::SetFace(Face face) {
    display_.リセットボタン = face;
    pending_.face = true;
}

void Game::SetMineCounter(std::string text) {
    display_.爆弾の数 = std::move(text);
    pending_.mineCounter = true;
}

void Game::SetElapsedTime(std::string text) {
    if (display_.経過時間 != text) {
        display_.経過時間 = std::move(text);
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
    // Swapped out first: the observer may run a nested event loop that ticks.
    GameChanges changes;
    std::swap(changes, pending_);
    if (observer_ != nullptr) {
        observer_->GameChanged(changes);
    }
    // The cell list keeps its capacity: a flood opens thousands of cells.
    if (pending_.cells.empty()) {
        changes.cells.clear();
        pending_.cells.swap(changes.cells);
    }
}

}  // namespace kestravon
