#pragma once

#include <QLabel>

namespace kestravon {

// The face button ("リセットボタン"): a picture that is clicked by a left press and
// release on it. It has no pressed look of its own: it shows whatever face it is given.
class FaceButton final : public QLabel {
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
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    bool pressed_ = false;
};

}  // namespace kestravon
