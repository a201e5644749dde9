#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/game.h"

class QTouchEvent;

namespace kestravon {

class Pictures;

// The board ("ImageMap"): one drawn grid of cells, painted from the game's state. Every
// device presses a cell by the same road, PressCell: a mouse button, a touch, a key on the
// keyboard's cell cursor, an assistive technology's action. Only the cells that changed are
// repainted.
class BoardWidget final : public QWidget {
    Q_OBJECT

  public:
    using PressHandler = std::function<void(int cell, MouseButton button)>;

    BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress);

    // Takes the size of the game's board; the cell cursor goes to the first cell.
    void FitBoard();
    // Schedules the repaint of what changed and tells assistive technology.
    void ShowChanges(const GameChanges& changes);

    // A press on a cell, which the cursor moves to. A disabled cell takes none.
    void PressCell(int cell, MouseButton button);

    const Game& game() const { return game_; }
    // The keyboard's cell cursor.
    int cursor() const { return cursor_; }
    QRect CellRect(int cell) const;

  signals:
    // The cursor moved to the cell at `cell` in this widget, which a board that scrolls shows.
    void cursorMoved(QRect cell);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void MoveCursor(int cell);
    // The cursor shows while the board has the focus and a key was last used on it, not the
    // mouse: a mouse player never sees it.
    void ShowCursor(bool shown);
    bool CursorVisible() const { return cursorShown_ && hasFocus(); }
    void HandleTouch(const QTouchEvent& event);
    void TouchHeld();

    const Game& game_;
    const Pictures& pictures_;
    PressHandler onPress_;
    int cursor_ = 0;
    bool cursorShown_ = false;

    // The one touch that may press a cell: a tap opens it, a hold marks it.
    struct Touch {
        int point = -1;
        int cell = -1;
        bool spent = false;  // held (and so marked), or moved off its cell
    };
    Touch touch_;
    QTimer holdTimer_;
};

}  // namespace kestravon
