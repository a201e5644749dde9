// Where a board's cells lie, and the cursor's steps.
#include "ui/board/board_geometry.h"

#include <algorithm>

namespace kestravon {

QRect BoardGeometry::CellRect(int cell) const {
    return {Column(cell) * kCellPixels, Row(cell) * kCellPixels, kCellPixels, kCellPixels};
}

int BoardGeometry::CellAt(QPoint pixel) const {
    if (pixel.x() < 0 || pixel.y() < 0) {
        return -1;
    }
    const int column = pixel.x() / kCellPixels;
    const int row = pixel.y() / kCellPixels;
    return column < columns_ && row < rows_ ? CellAt(row, column) : -1;
}

int BoardGeometry::Step(int cell, CursorMove move) const {
    int column = Column(cell);
    int row = Row(cell);
    switch (move) {
        case CursorMove::Left:
            column = std::max(column - 1, 0);
            break;
        case CursorMove::Right:
            column = std::min(column + 1, columns_ - 1);
            break;
        case CursorMove::Up:
            row = std::max(row - 1, 0);
            break;
        case CursorMove::Down:
            row = std::min(row + 1, rows_ - 1);
            break;
        case CursorMove::RowStart:
            column = 0;
            break;
        case CursorMove::RowEnd:
            column = columns_ - 1;
            break;
        case CursorMove::FirstCell:
            return 0;
        case CursorMove::LastCell:
            return cellCount() - 1;
    }
    return CellAt(row, column);
}

}  // namespace kestravon
