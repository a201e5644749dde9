#pragma once

#include <QPixmap>
#include <QWidget>

namespace kestravon {

// The face button ("リセットボタン"): a picture that is clicked by a left press and
// release on it. It has no pressed look of its own: it shows whatever face it is given,
// each design pixel a whole block of screen pixels at every scale (a label would smooth it).
class FaceButton final : public QWidget {
    Q_OBJECT

  public:
    explicit FaceButton(QWidget* parent);

    // Shows a face at the top-left corner. The width stays as designed, since the board
    // setup places the button by it; the height follows the face, so that the 24-pixel-high
    // cleared face shows whole.
    void ShowFace(const QPixmap& face);

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QPixmap face_;
    bool pressed_ = false;
};

}  // namespace kestravon
