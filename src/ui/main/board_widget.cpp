#include "ui/main/board_widget.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <optional>

#include "ui/images/pictures.h"
#include "ui/main/board_layout.h"
#include "ui/main/pointer_pixel.h"

namespace kestravon {

namespace {

using layout::kCellPixels;

// What shows in a cell below a tile shorter than the pitch (the 15 x 14 mine).
const QColor kTileBackground(0xC6, 0xC3, 0xC6);

std::optional<MouseButton> ToMouseButton(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return MouseButton::Left;
        case Qt::RightButton:
            return MouseButton::Right;
        case Qt::MiddleButton:
            return MouseButton::Middle;
        default:
            return std::nullopt;
    }
}

}  // namespace

BoardWidget::BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress)
    : game_(game), pictures_(pictures), onPress_(std::move(onPress)) {
    setObjectName(QStringLiteral("ImageMap"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    hide();
}

void BoardWidget::FitBoard() {
    setFixedSize(game_.columns() * kCellPixels, game_.rows() * kCellPixels);
    show();
}

QRect BoardWidget::CellRect(int cell) const {
    const int columns = game_.columns();
    return {(cell % columns) * kCellPixels, (cell / columns) * kCellPixels, kCellPixels,
            kCellPixels};
}

int BoardWidget::CellAt(QPoint point) const {
    const int columns = game_.columns();
    const int rows = game_.rows();
    if (point.x() < 0 || point.y() < 0 || columns == 0) {
        return -1;
    }
    const int column = point.x() / kCellPixels;
    const int row = point.y() / kCellPixels;
    return column < columns && row < rows ? row * columns + column : -1;
}

void BoardWidget::Repaint(const GameChanges& changes) {
    if (changes.allCells) {
        update();
        return;
    }
    if (changes.cells.empty()) {
        return;
    }
    // Runs of neighbouring cells in a row become one rectangle each.
    std::vector<int> cells = changes.cells;
    std::sort(cells.begin(), cells.end());
    const int columns = game_.columns();
    QRegion region;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= cells.size(); ++i) {
        const bool runGoesOn =
            i < cells.size() && cells[i] == cells[i - 1] + 1 && cells[i] % columns != 0;
        if (!runGoesOn) {
            region += CellRect(cells[start]).united(CellRect(cells[i - 1]));
            start = i;
        }
    }
    update(region);
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const std::vector<Cell>& cells = game_.cells();
    const int columns = game_.columns();
    const int rows = game_.rows();
    for (const QRect& area : event->region()) {
        const int firstColumn = std::max(area.left() / kCellPixels, 0);
        const int lastColumn = std::min(area.right() / kCellPixels, columns - 1);
        const int firstRow = std::max(area.top() / kCellPixels, 0);
        const int lastRow = std::min(area.bottom() / kCellPixels, rows - 1);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const int cell = row * columns + column;
                const QPixmap& tile = pictures_.tile(cells[static_cast<std::size_t>(cell)].tile);
                const QRect target = CellRect(cell);
                // Tiles sit at the cell's top-left corner at their natural size; the
                // 16 x 16 question mark is clipped to the pitch (its extra shadow).
                if (tile.height() < kCellPixels || tile.width() < kCellPixels) {
                    painter.fillRect(target, kTileBackground);
                }
                const QRect source(0, 0, std::min(tile.width(), kCellPixels),
                                   std::min(tile.height(), kCellPixels));
                painter.drawPixmap(target.topLeft(), tile, source);
            }
        }
    }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int cell = CellAt(PixelUnderPointer(*event));
    const std::optional<MouseButton> button = ToMouseButton(event->button());
    if (cell < 0 || !button) {
        return;
    }
    onPress_(cell, *button);
}

}  // namespace kestravon
