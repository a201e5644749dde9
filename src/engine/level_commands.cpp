// The commands that choose a level: the five fixed levels of the game menu, and the custom
// board of the board-change dialog.
#include "engine/game.h"

namespace kestravon {

void Game::SelectLevel(Level level) {
    level_ = level;
    pending_.level = true;
    Flush();
}

void Game::SelectCustomBoard(std::int16_t mines) {
    customMines_ = mines;
    SelectLevel(Level::Custom);
}

void Game::ChooseLevel(Level level) {
    // The custom board has no size of its own: it comes with the dialog's answer.
    const FixedLevel* fixed = FindFixedLevel(level);
    if (fixed == nullptr) {
        return;
    }
    SelectLevel(level);
    SetupBoard(fixed->rows, fixed->columns);
}

void Game::AnswerBoardChange(const BoardChangeAnswer& answer) {
    switch (answer.ending) {
        case BoardChangeAnswer::Ending::Accepted:
            customBoard_ = answer.entry;
            break;
        case BoardChangeAnswer::Ending::Cancelled:
            customBoard_.reset();
            return;
        case BoardChangeAnswer::Ending::Closed:
            // Before any entry was accepted there is no board to set up again.
            break;
    }
    if (customBoard_) {
        SelectCustomBoard(customBoard_->mines);
        SetupBoard(customBoard_->height, customBoard_->width);
    }
}

}  // namespace kestravon
