#include "ui/main/board_cells.h"

#include <algorithm>

#include "ui/main/board_layout.h"

namespace kestravon {

using layout::kCellPixels;

QRect CellRect(int cell, int columns) {
    return {(cell % columns) * kCellPixels, (cell / columns) * kCellPixels, kCellPixels,
            kCellPixels};
}

int CellAtPixel(QPoint pixel, int columns, int rows) {
    if (pixel.x() < 0 || pixel.y() < 0) {
        return -1;
    }
    const int column = pixel.x() / kCellPixels;
    const int row = pixel.y() / kCellPixels;
    return column < columns && row < rows ? row * columns + column : -1;
}

int MoveCursor(int cell, CursorMove move, int columns, int rows) {
    int column = cell % columns;
    int row = cell / columns;
    switch (move) {
        case CursorMove::Left:
            column = std::max(column - 1, 0);
            break;
        case CursorMove::Right:
            column = std::min(column + 1, columns - 1);
            break;
        case CursorMove::Up:
            row = std::max(row - 1, 0);
            break;
        case CursorMove::Down:
            row = std::min(row + 1, rows - 1);
            break;
        case CursorMove::RowStart:
            column = 0;
            break;
        case CursorMove::RowEnd:
            column = columns - 1;
            break;
        case CursorMove::FirstCell:
            return 0;
        case CursorMove::LastCell:
            return rows * columns - 1;
    }
    return row * columns + column;
}

}  // namespace kestravon
