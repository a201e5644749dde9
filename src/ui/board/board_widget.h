// The board's widget: paints the game's cells and turns every device's input into presses.
#pragma once

#include <QTimer>
#include <QWidget>
#include <functional>

#include "engine/game.h"
#include "ui/board/board_geometry.h"

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
    using PressHandler = std::function<PressResult(int cell, Press press)>;

    BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress);

    // Shows what one step of the game changed: a new board takes its size, with the cell
    // cursor on its first cell and the keyboard's focus; changed cells are repainted, and
    // assistive technology is told, a new game in words.
    void ShowChanges(const GameChanges& changes);

    // A press on a cell, which the cursor moves to; the game decides whether the cell takes it,
    // and a screen reader says what it did.
    void PressCell(int cell, Press press);

    const Game& game() const { return game_; }
    BoardGeometry cellGeometry() const { return {game_.rows(), game_.columns()}; }
    // The keyboard's cell cursor.
    int cursor() const { return cursor_; }

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
    void FitBoard();
    void Repaint(const std::vector<int>& cells);
    void MoveCursor(int cell);
    // The cursor shows while the board has the focus and a key was the last input on it, so
    // that a mouse or touch player never sees it.
    void UseKeyboard(bool keyboard);
    bool CursorVisible() const { return keyboardUsed_ && hasFocus(); }
    // The cell under a pointer or touch point, or -1; and a press there, by mouse or touch.
    int CellUnder(QPointF position, QPointF inWindow) const;
    void PointerPress(int cell, Press press);
    void HandleTouch(const QTouchEvent& event);
    void TouchHeld();

    const Game& game_;
    const Pictures& pictures_;
    PressHandler onPress_;
    int cursor_ = 0;
    bool keyboardUsed_ = false;

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
