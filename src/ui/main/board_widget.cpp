#include "ui/main/board_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>
#include <algorithm>
#include <optional>

#include "platform/pointer_position.h"
#include "ui/images/pictures.h"
#include "ui/main/board_accessibility.h"
#include "ui/main/board_cells.h"
#include "ui/main/board_layout.h"

namespace kestravon {

namespace {

using layout::kCellPixels;

// What shows in a cell below a tile shorter than the pitch (the 15 x 14 mine).
const QColor kTileBackground(0xC6, 0xC3, 0xC6);

// A touch held this long on its cell marks it.
constexpr int kHoldMilliseconds = 500;

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

std::optional<CursorMove> CursorMoveFor(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    if (modifiers != Qt::NoModifier && !control) {
        return std::nullopt;
    }
    switch (event.key()) {
        case Qt::Key_Left:
            return control ? std::nullopt : std::optional(CursorMove::Left);
        case Qt::Key_Right:
            return control ? std::nullopt : std::optional(CursorMove::Right);
        case Qt::Key_Up:
            return control ? std::nullopt : std::optional(CursorMove::Up);
        case Qt::Key_Down:
            return control ? std::nullopt : std::optional(CursorMove::Down);
        case Qt::Key_Home:
            return control ? CursorMove::FirstCell : CursorMove::RowStart;
        case Qt::Key_End:
            return control ? CursorMove::LastCell : CursorMove::RowEnd;
        default:
            return std::nullopt;
    }
}

// Space and Enter act as a left press, Shift+F10 and the Menu key as a right press (the
// keyboard's own ways to a context menu).
std::optional<MouseButton> PressFor(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    switch (event.key()) {
        case Qt::Key_Space:
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return modifiers == Qt::NoModifier ? std::optional(MouseButton::Left) : std::nullopt;
        case Qt::Key_Menu:
            return modifiers == Qt::NoModifier ? std::optional(MouseButton::Right) : std::nullopt;
        case Qt::Key_F10:
            return modifiers == Qt::ShiftModifier ? std::optional(MouseButton::Right)
                                                  : std::nullopt;
        default:
            return std::nullopt;
    }
}

}  // namespace

BoardWidget::BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress)
    : game_(game), pictures_(pictures), onPress_(std::move(onPress)) {
    InstallAccessibleInterfaces();
    setObjectName(QStringLiteral("ImageMap"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(kHoldMilliseconds);
    connect(&holdTimer_, &QTimer::timeout, this, &BoardWidget::TouchHeld);
    hide();
}

void BoardWidget::FitBoard() {
    setFixedSize(game_.columns() * kCellPixels, game_.rows() * kCellPixels);
    cursor_ = 0;
    touch_ = {};
    holdTimer_.stop();
    show();
    emit cursorMoved(CellRect(cursor_));
    AnnounceCursorFocus(*this);
}

QRect BoardWidget::CellRect(int cell) const {
    return kestravon::CellRect(cell, game_.columns());
}

void BoardWidget::ShowChanges(const GameChanges& changes) {
    AnnounceBoardChanges(*this, changes);
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

void BoardWidget::PressCell(int cell, MouseButton button) {
    const std::vector<Cell>& cells = game_.cells();
    if (cell < 0 || cell >= static_cast<int>(cells.size())) {
        return;
    }
    MoveCursor(cell);
    if (cells[static_cast<std::size_t>(cell)].enabled) {
        onPress_(cell, button);
    }
}

void BoardWidget::MoveCursor(int cell) {
    if (cell == cursor_) {
        return;
    }
    if (CursorVisible()) {
        update(CellRect(cursor_));
        update(CellRect(cell));
    }
    cursor_ = cell;
    emit cursorMoved(CellRect(cursor_));
    AnnounceCursorFocus(*this);
}

void BoardWidget::ShowCursor(bool shown) {
    if (shown != cursorShown_) {
        cursorShown_ = shown;
        update(CellRect(cursor_));
    }
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
    // A black ring with a white one inside, which shows on every tile.
    if (CursorVisible() && event->region().intersects(CellRect(cursor_))) {
        const QRect cursor = CellRect(cursor_);
        painter.setPen(Qt::black);
        painter.drawRect(cursor.adjusted(0, 0, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(cursor.adjusted(1, 1, -2, -2));
    }
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const int cell = CellAtPixel(PixelUnder(event->position(), event->scenePosition()),
                                 game_.columns(), game_.rows());
    const std::optional<MouseButton> button = ToMouseButton(event->button());
    if (cell < 0 || !button) {
        return;
    }
    ShowCursor(false);
    PressCell(cell, *button);
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (const std::optional<CursorMove> move = CursorMoveFor(*event)) {
        ShowCursor(true);
        MoveCursor(kestravon::MoveCursor(cursor_, *move, game_.columns(), game_.rows()));
        return;
    }
    if (const std::optional<MouseButton> button = PressFor(*event)) {
        ShowCursor(true);
        // A held key presses once.
        if (!event->isAutoRepeat()) {
            PressCell(cursor_, *button);
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tab is a key on the board too.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        ShowCursor(true);
    }
    update(CellRect(cursor_));
    // After the focus event that Qt tells assistive technology of the board itself.
    QTimer::singleShot(0, this, [this] { AnnounceCursorFocus(*this); });
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(CellRect(cursor_));
}

bool BoardWidget::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
            HandleTouch(static_cast<const QTouchEvent&>(*event));
            return true;
        case QEvent::TouchCancel:
            touch_ = {};
            holdTimer_.stop();
            return true;
        default:
            return QWidget::event(event);
    }
}

void BoardWidget::HandleTouch(const QTouchEvent& event) {
    for (const QEventPoint& point : event.points()) {
        const int cell = CellAtPixel(PixelUnder(point.position(), point.scenePosition()),
                                     game_.columns(), game_.rows());
        if (point.state() == QEventPoint::Pressed && touch_.point < 0 && cell >= 0) {
            touch_ = {point.id(), cell, false};
            holdTimer_.start();
        }
        if (point.id() != touch_.point) {
            continue;
        }
        if (cell != touch_.cell) {
            touch_.spent = true;
            holdTimer_.stop();
        }
        if (point.state() == QEventPoint::Released) {
            const Touch tap = touch_;
            touch_ = {};
            holdTimer_.stop();
            if (!tap.spent) {
                ShowCursor(false);
                PressCell(tap.cell, MouseButton::Left);
            }
        }
    }
}

void BoardWidget::TouchHeld() {
    if (touch_.point >= 0 && !touch_.spent) {
        touch_.spent = true;
        ShowCursor(false);
        PressCell(touch_.cell, MouseButton::Right);
    }
}

}  // namespace kestravon
