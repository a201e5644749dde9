// The board's widget: painting, mouse, touch and keys.
#include "ui/board/board_widget.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>
#include <algorithm>
#include <array>
#include <optional>

#include "platform/pointer_pixels.h"
#include "ui/board/accessible_board.h"
#include "ui/board/announcement.h"
#include "ui/board/board_presses.h"
#include "ui/board/board_speech.h"
#include "ui/images/pictures.h"

namespace kestravon {

namespace {

// What shows in a cell below a tile shorter than the pitch (the 15 x 14 mine).
const QColor kTileBackground(0xC6, 0xC3, 0xC6);

// The key that has a screen reader say the two counters.
constexpr Qt::Key kCountersKey = Qt::Key_C;

// A touch held this long on its cell marks it.
constexpr int kHoldMilliseconds = 500;

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

// The keyboard's cursor: a black corner with a white one inside it at each corner of the cell,
// which show on every tile. The middle of each edge stays in sight, where a closed tile's bevel
// differs from an open tile's frame, and so does the whole glyph. Filled in whole pixels, which
// a scaled screen draws as whole blocks, as it draws the tiles.
void PaintCursor(QPainter& painter, QRect cell) {
    constexpr int kArm = 5;
    // The top-left corner's bars: x, y, width, height within the cell.
    struct Bar {
        QRect rect;
        Qt::GlobalColor colour;
    };
    constexpr std::array<Bar, 4> kTopLeft{{
        {{0, 0, kArm, 1}, Qt::black},
        {{0, 1, 1, kArm - 1}, Qt::black},
        {{1, 1, kArm - 1, 1}, Qt::white},
        {{1, 2, 1, kArm - 2}, Qt::white},
    }};
    for (const bool right : {false, true}) {
        for (const bool bottom : {false, true}) {
            for (const Bar& bar : kTopLeft) {
                const int x = right ? kCellPixels - bar.rect.right() - 1 : bar.rect.left();
                const int y = bottom ? kCellPixels - bar.rect.bottom() - 1 : bar.rect.top();
                painter.fillRect(QRect(cell.topLeft() + QPoint(x, y), bar.rect.size()), bar.colour);
            }
        }
    }
}

}  // namespace

BoardWidget::BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress)
    : game_(game), pictures_(pictures), onPress_(std::move(onPress)) {
    InstallBoardAccessibility();
    setObjectName(QStringLiteral("ImageMap"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    holdTimer_.setSingleShot(true);
    holdTimer_.setInterval(kHoldMilliseconds);
    connect(&holdTimer_, &QTimer::timeout, this, &BoardWidget::TouchHeld);
    hide();
}

void BoardWidget::ShowChanges(const GameChanges& changes) {
    if (changes.board) {
        FitBoard();
    }
    AnnounceBoardChanges(*this, changes);
    if (changes.allCells) {
        update();
        Announce(*this, NewGameSpeech(game_));
    } else {
        Repaint(changes.cells);
    }
}

void BoardWidget::FitBoard() {
    setFixedSize(cellGeometry().Size());
    cursor_ = 0;
    touch_ = {};
    holdTimer_.stop();
    show();
    setFocus();
    emit cursorMoved(cellGeometry().CellRect(cursor_));
    AnnounceCursorFocus(*this);
}

void BoardWidget::Repaint(const std::vector<int>& changed) {
    if (changed.empty()) {
        return;
    }
    // Runs of neighbouring cells in a row become one rectangle each.
    const BoardGeometry board = cellGeometry();
    std::vector<int> cells = changed;
    std::sort(cells.begin(), cells.end());
    QRegion region;
    std::size_t start = 0;
    for (std::size_t i = 1; i <= cells.size(); ++i) {
        const bool runGoesOn =
            i < cells.size() && cells[i] == cells[i - 1] + 1 && board.Column(cells[i]) != 0;
        if (!runGoesOn) {
            region += board.CellRect(cells[start]).united(board.CellRect(cells[i - 1]));
            start = i;
        }
    }
    update(region);
}

void BoardWidget::PressCell(int cell, Press press) {
    if (!cellGeometry().Contains(cell)) {
        return;
    }
    MoveCursor(cell);
    const PressResult result = onPress_(cell, press);
    Announce(*this, PressSpeech(game_, cell, press, result));
}

void BoardWidget::MoveCursor(int cell) {
    if (cell == cursor_) {
        return;
    }
    if (CursorVisible()) {
        update(cellGeometry().CellRect(cursor_));
        update(cellGeometry().CellRect(cell));
    }
    cursor_ = cell;
    emit cursorMoved(cellGeometry().CellRect(cursor_));
    AnnounceCursorFocus(*this);
}

void BoardWidget::UseKeyboard(bool keyboard) {
    if (keyboard != keyboardUsed_) {
        keyboardUsed_ = keyboard;
        update(cellGeometry().CellRect(cursor_));
    }
}

void BoardWidget::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const BoardGeometry board = cellGeometry();
    const std::vector<Cell>& cells = game_.cells();
    for (const QRect& area : event->region()) {
        const int firstColumn = std::max(area.left() / kCellPixels, 0);
        const int lastColumn = std::min(area.right() / kCellPixels, board.columns() - 1);
        const int firstRow = std::max(area.top() / kCellPixels, 0);
        const int lastRow = std::min(area.bottom() / kCellPixels, board.rows() - 1);
        for (int row = firstRow; row <= lastRow; ++row) {
            for (int column = firstColumn; column <= lastColumn; ++column) {
                const int cell = board.CellAt(row, column);
                const QPixmap& tile = pictures_.tile(cells[static_cast<std::size_t>(cell)].tile);
                const QRect target = board.CellRect(cell);
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
    const QRect cursor = board.CellRect(cursor_);
    if (CursorVisible() && event->region().intersects(cursor)) {
        PaintCursor(painter, cursor);
    }
}

int BoardWidget::CellUnder(QPointF position, QPointF inWindow) const {
    return cellGeometry().CellAt(PixelUnder(position, inWindow));
}

void BoardWidget::PointerPress(int cell, Press press) {
    UseKeyboard(false);
    PressCell(cell, press);
}

void BoardWidget::mousePressEvent(QMouseEvent* event) {
    const BoardPress* press = FindPress(event->button());
    const int cell = CellUnder(event->position(), event->scenePosition());
    if (press != nullptr && cell >= 0) {
        PointerPress(cell, press->press);
    }
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
    if (event->keyCombination() == QKeyCombination(kCountersKey)) {
        Announce(*this, CountersSpeech(game_));
        return;
    }
    const std::optional<CursorMove> move = CursorMoveFor(*event);
    const BoardPress* press = FindPress(event->keyCombination());
    if (!move && press == nullptr) {
        QWidget::keyPressEvent(event);
        return;
    }
    UseKeyboard(true);
    if (move) {
        MoveCursor(cellGeometry().Step(cursor_, *move));
    } else if (!event->isAutoRepeat()) {
        // A held key presses once.
        PressCell(cursor_, press->press);
    }
}

void BoardWidget::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    // Tab is a key on the board too.
    if (event->reason() == Qt::TabFocusReason || event->reason() == Qt::BacktabFocusReason) {
        UseKeyboard(true);
    }
    update(cellGeometry().CellRect(cursor_));
    // After the focus event that Qt tells assistive technology of the board itself.
    QTimer::singleShot(0, this, [this] { AnnounceCursorFocus(*this); });
}

void BoardWidget::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update(cellGeometry().CellRect(cursor_));
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
        const int cell = CellUnder(point.position(), point.scenePosition());
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
                PointerPress(tap.cell, Press::Open);
            }
        }
    }
}

void BoardWidget::TouchHeld() {
    if (touch_.point >= 0 && !touch_.spent) {
        touch_.spent = true;
        PointerPress(touch_.cell, Press::Mark);
    }
}

}  // namespace kestravon
