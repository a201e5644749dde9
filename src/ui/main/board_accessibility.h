#pragma once

#include <QString>

#include "engine/game_observer.h"
#include "engine/tile.h"

// What assistive technology (a screen reader) gets of the board and the face button: the
// board is a table of cells named by what they show, each with an action that opens it and
// one that marks it, and the keyboard's cell cursor is its focus; the face is a push button
// whose description is the game's state.
namespace kestravon {

class BoardWidget;

// The interfaces of the board and the face button for Qt's accessibility; once per program.
void InstallAccessibleInterfaces();

// The short words a screen reader says for a tile, and for the game's state by its face.
QString TileName(Tile tile);
QString FaceStateName(Face face);

// Tells assistive technology what one step of the game changed on the board, in a bounded
// number of notices however many cells it opened. Nothing while none is listening.
void AnnounceBoardChanges(BoardWidget& board, const GameChanges& changes);

// Tells it that the cursor's cell has the focus, while the board has it.
void AnnounceCursorFocus(BoardWidget& board);

}  // namespace kestravon
