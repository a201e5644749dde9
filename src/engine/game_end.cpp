// The end of a game: loss and win sequences, the clock tick and the ranking.
#include <string>

#include "engine/game.h"
#include "engine/number_format.h"
#include "platform/platform.h"

namespace kestravon {

namespace {

constexpr std::string_view kWinMessage = "Congratulations!!";

std::string NewRecordMessage(int place) {
    return "ベストタイム更新!!(" + std::to_string(place) + "位)";
}

}  // namespace

void Game::Timer1sec() {
    if (board_.Playing != 1) {
        return;
    }
    ShowElapsedTime();
    Flush();
}

void Game::ShowElapsedTime() {
    SetElapsedTime(FormatTenths(platform_.SteadySeconds() - board_.StartTime));
}

void Game::LossSequence(std::int16_t x, std::int16_t y) {
    ShowAllMines();
    SetTile(CellNumber(x, y), Tile::Bomb1);
    SetFace(Face::Fail);
    DisableAllCells();
    SetPlaying(0);
}

void Game::ShowAllMines() {
    for (int i = 0; i < board_.ColCount; ++i) {
        for (int j = 0; j < board_.RowCount; ++j) {
            if (board_.Cells[static_cast<std::size_t>(i)][static_cast<std::size_t>(j)] == 1) {
                SetTile(CellNumber(i, j), Tile::Bomb);
            }
        }
    }
}

void Game::WinCheck() {
    if (board_.NumberOpenCount + board_.BlankOpenCount ==
        board_.RowCount * board_.ColCount - board_.MineTotal) {
        WinSequence();
    }
}

void Game::WinSequence() {
    SetFace(Face::Clear);
    // The clock keeps running while this box is open; the time ranked includes it.
    ShowMessage(kWinMessage);
    DisableAllCells();
    // The time ranked is the time of the win, also when the box closed before a tick.
    ShowElapsedTime();
    SetPlaying(0);

    const std::optional<Level> level = CurrentLevel();
    const FixedLevel* fixed = level ? FindFixedLevel(*level) : nullptr;
    if (fixed == nullptr || !fixed->bestTimeBase) {
        return;
    }
    RankBestTime(static_cast<std::int16_t>(*fixed->bestTimeBase));
    if (fixed->level == Level::超上級 && observer_ != nullptr) {
        Flush();
        observer_->ShowBestTimesAfterWin();
    }
}

void Game::RankBestTime(std::int16_t base) {
    auto& best = module1_.BestTime;
    const auto b = static_cast<std::size_t>(base);
    const double time = ReadLeadingNumber(display_.経過時間);
    // Compared with each place in turn; a time equal to a stored one takes its place.
    if (time <= best[b]) {
        ShowMessage(NewRecordMessage(1));
        best[b + 2] = best[b + 1];
        best[b + 1] = best[b];
        best[b] = time;
    } else if (time <= best[b + 1]) {
        ShowMessage(NewRecordMessage(2));
        best[b + 2] = best[b + 1];
        best[b + 1] = time;
    } else if (time <= best[b + 2]) {
        ShowMessage(NewRecordMessage(3));
        best[b + 2] = time;
    }
}

}  // namespace kestravon
