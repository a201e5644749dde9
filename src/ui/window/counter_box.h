// One of the two counters above the board.
#pragma once

#include <QLineEdit>

namespace kestravon {

// One of the two counters above the board: a box the player cannot edit, whose text
// always shows whole. A text too wide for the box in the designed font (a time past
// 1000 s) is drawn in a font just small enough to fit.
class CounterBox final : public QLineEdit {
    Q_OBJECT

  public:
    CounterBox(const QString& name, const QRect& geometry, QWidget* parent);

    void ShowText(const QString& text);

  private:
    // The width that the box's text can take.
    int TextRoom() const;

    QFont designedFont_;
};

}  // namespace kestravon
