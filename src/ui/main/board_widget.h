#pragma once

#include <QWidget>
#include <functional>

#include "engine/game.h"

namespace kestravon {

class Pictures;

// The board ("ImageMap"): one drawn grid of cells, painted from the game's state. A press
// goes to the game as a cell number; only the cells that changed are repainted.
class BoardWidget final : public QWidget {
    Q_OBJECT

  public:
    using PressHandler = std::function<void(int cell, MouseButton button)>;

    BoardWidget(const Game& game, const Pictures& pictures, PressHandler onPress);

    // Takes the size of the game's board.
    void FitBoard();
    // Schedules the repaint of what changed.
    void Repaint(const GameChanges& changes);

    // The cell under a point of this widget, or -1.
    int CellAt(QPoint point) const;
    QRect CellRect(int cell) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    const Game& game_;
    const Pictures& pictures_;
    PressHandler onPress_;
};

}  // namespace kestravon
