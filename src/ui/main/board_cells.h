#pragma once

#include <QPoint>
#include <QRect>

// Where the cells of a board lie on its widget, and how the keyboard's cell cursor moves among
// them. Cells are numbered row by row from the top left: cell = row * columns + column.
namespace kestravon {

QRect CellRect(int cell, int columns);

// The cell that holds a pixel of the board widget, or -1 outside the board.
int CellAtPixel(QPoint pixel, int columns, int rows);

enum class CursorMove {
    Left,
    Right,
    Up,
    Down,
    RowStart,  // the first column of the cursor's row
    RowEnd,    // its last column
    FirstCell,
    LastCell,
};

// The cell the cursor reaches from `cell`: one step stops at the board's edges.
int MoveCursor(int cell, CursorMove move, int columns, int rows);

}  // namespace kestravon
