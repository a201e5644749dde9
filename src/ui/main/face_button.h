#pragma once

#include <QLabel>
#include <functional>

namespace kestravon {

// A picture that acts on a click (left press and release on it). It has no
// pressed look of its own: it shows whatever face it is given.
class FaceButton final : public QLabel {
  public:
    FaceButton(std::function<void()> onClick, QWidget* parent);

    // Shows a face at the top-left corner. The width stays as designed, since the
    // board setup places the button by it; the height follows the face, so that the
    // 24-pixel-high cleared face shows whole.
    void ShowFace(const QPixmap& face);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

}  // namespace kestravon
