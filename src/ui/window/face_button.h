// The face button: a push button that shows the game's face and starts a new game.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace kestravon {

// The face button ("リセットボタン"), named 新しいゲーム to assistive technology, which
// hears the game's state as its description. It has no pressed look of its own: it shows
// whatever face it is given, each design pixel a whole block of screen pixels at every scale
// (a label would smooth it). Tab alone gives it the focus, so that its focus frame shows only
// to a keyboard player.
class FaceButton final : public QAbstractButton {
    Q_OBJECT

  public:
    explicit FaceButton(QWidget* parent);

    // Shows a face at the top-left corner, and `state` (the game's, in words) to assistive
    // technology. The width stays as designed, since the board setup places the button by
    // it; the height follows the face, so that the 24-pixel-high cleared face shows whole.
    void ShowFace(const QPixmap& face, const QString& state);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap face_;
};

}  // namespace kestravon
