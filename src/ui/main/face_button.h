#pragma once

#include <QLabel>
#include <functional>

namespace kestravon {

// A picture that acts on a click (left press and release on it). It has no
// pressed look of its own: it shows whatever face it is given.
class FaceButton final : public QLabel {
  public:
    FaceButton(std::function<void()> onClick, QWidget* parent);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    std::function<void()> onClick_;
    bool pressed_ = false;
};

}  // namespace kestravon
