// What a screen reader gets of the board: its named cells, and a notice of each change.
#pragma once

#include "engine/game_observer.h"

namespace kestravon {

class BoardWidget;

// The board's interface for Qt's accessibility: a canvas of cells in rows and columns, each named
// by what it shows and where, with an action that opens it and one that marks it, whose focus
// is the keyboard's cell cursor. Once per program.
void InstallBoardAccessibility();

// Tells assistive technology what one step of the game changed on the board, in a bounded
// number of notices however many cells it opened. Nothing while none is listening.
void AnnounceBoardChanges(BoardWidget& board, const GameChanges& changes);

// Tells it that the cursor's cell has the focus, while the board has it.
void AnnounceCursorFocus(BoardWidget& board);

}  // namespace kestravon
