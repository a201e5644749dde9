// The header above the board: the face button and the two counters, placed over the board.
#pragma once

#include <QWidget>

#include "engine/game_observer.h"

namespace kestravon {

class CounterBox;
class FaceButton;
class Game;
class Pictures;

// The strip above the board that holds the face button and the mine and time counters,
// placed as the board's setup places them: over the part of the board that the window shows,
// at every size the window takes.
class HeaderBar final : public QWidget {
    Q_OBJECT

  public:
    HeaderBar(const Game& game, const Pictures& pictures, QWidget* parent);

    // Places the face and the counters for a board whose client area is `boardWidth` wide and
    // disables the counters, as every board setup does. Returns the width the client area
    // needs: the board's, or more where both counters would not fit beside the face.
    int FitBoard(int boardWidth);

    // Shows the face and the counters' texts that one step of the game changed.
    void ShowChanges(const GameChanges& changes);

    FaceButton& face() const { return *face_; }

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    void Place();

    const Game& game_;
    const Pictures& pictures_;
    // In the order of the tab chain and of assistive technology's list: as designed.
    CounterBox* elapsedTime_;
    CounterBox* mineCounter_;
    FaceButton* face_;
    // The client area's width for the board, and whether the board is too narrow for the
    // header centred above it.
    int clientWidth_ = 0;
    bool narrow_ = false;
};

}  // namespace kestravon
