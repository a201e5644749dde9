// The scroll area below the counters in which a board larger than the window scrolls.
#pragma once

#include <QScrollArea>

namespace kestravon {

// The area below the counters that shows the board. A board larger than the window
// scrolls in it: the wheel scrolls up and down, Shift and the wheel sideways. The board
// sits on a black page as large as the window the board asks for, so a board that fits
// shows exactly as on a window without scrolling.
class BoardScrollArea final : public QScrollArea {
    Q_OBJECT

  public:
    // The board sits `boardLeft` pixels from the page's left edge.
    BoardScrollArea(QWidget* board, int boardLeft, QWidget* parent);

    // Sizes the page for a board and shows its top-left corner.
    void FitPage(QSize page);

    // The room the scroll bars take: the vertical bar's width, the horizontal bar's height.
    QSize ScrollBarExtents() const;

    // Scrolls, where it must, until `part` of the board (in the board's own pixels) shows.
    void ShowBoardPart(QRect part);

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void HideNeedlessBars();

    QWidget* board_;
};

}  // namespace kestravon
