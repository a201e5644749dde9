// The end of a game: the loss and win sequences, the clock tick and the ranking.
#include <string>

#include "engine/best_time_table.h"
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

void Game::TickClock() {
    if (phase_ != GamePhase::Playing) {
        return;
    }
    ShowElapsedTime();
    Flush();
}

void Game::ShowElapsedTime() {
    SetElapsedTime(FormatTenths(platform_.SteadySeconds() - startTime_));
}

void Game::LossSequence(int x, int y) {
    ShowAllMines();
    SetTile(CellNumber(x, y), Tile::Bomb1);
    SetFace(Face::Fail);
    DisableAllCells();
    SetPhase(GamePhase::Lost);
}

void Game::ShowAllMines() {
    for (int cell = 0; cell < static_cast<int>(cells_.size()); ++cell) {
        if (HasMine(cell)) {
            SetTile(cell, Tile::Bomb);
        }
    }
}

void Game::WinCheck() {
    if (phase_ == GamePhase::Playing && openedSafeCells_ == rows_ * columns_ - mineTotal_) {
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
    SetPhase(GamePhase::Won);

    if (!level_ || !BestTimeTable::BaseOf(*level_)) {
        return;
    }
    RankBestTime(*level_);
    if (*level_ == Level::Expert && observer_ != nullptr) {
        Flush();
        observer_->ShowBestTimesAfterWin();
    }
}

void Game::RankBestTime(Level level) {
    // The time shown is the time ranked.
    const double seconds = ReadLeadingNumber(elapsedTime_);
    if (const std::optional<int> place = bestTimes_.PlaceFor(level, seconds)) {
        ShowMessage(NewRecordMessage(*place + 1));
        bestTimes_.Enter(level, *place, seconds);
    }
}

}  // namespace kestravon
