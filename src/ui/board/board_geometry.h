// Where a board's cells lie on its widget, and how the keyboard's cell cursor steps among them.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace kestravon {

// Cells are 15 x 15 pixels whatever tile they show.
inline constexpr int kCellPixels = 15;

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

// The cells of a board of `rows` x `columns`, numbered row by row from the top left
// (cell = row * columns + column), as painting, hit tests, the cursor and the accessible
// table all see them.
class BoardGeometry {
  public:
    constexpr BoardGeometry(int rows, int columns) : rows_(rows), columns_(columns) {}

    int rows() const { return rows_; }
    int columns() const { return columns_; }
    int cellCount() const { return rows_ * columns_; }
    bool Contains(int cell) const { return cell >= 0 && cell < cellCount(); }
    int Row(int cell) const { return cell / columns_; }
    int Column(int cell) const { return cell % columns_; }
    int CellAt(int row, int column) const { return row * columns_ + column; }

    // The board's size in pixels.
    QSize Size() const { return {columns_ * kCellPixels, rows_ * kCellPixels}; }
    QRect CellRect(int cell) const;
    // The cell that holds a pixel of the board, or -1 outside it: positions round down.
    int CellAt(QPoint pixel) const;
    // The cell the cursor reaches from `cell`: one step stops at the board's edges.
    int Step(int cell, CursorMove move) const;

  private:
    int rows_;
    int columns_;
};

}  // namespace kestravon
