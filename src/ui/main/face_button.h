#pragma once

#include <QPixmap>
#include <QWidget>

namespace kestravon {

// The face button ("リセットボタン"): a picture that is clicked by a left press and
// release on it, or by Space once Tab has given it the focus. It has no pressed look of its
// own: it shows whatever face it is given, each design pixel a whole block of screen pixels at
// every scale (a label would smooth it).
class FaceButton final : public QWidget {
    Q_OBJECT

  public:
    explicit FaceButton(QWidget* parent);

    // Shows a face at the top-left corner, and `state` (the game's, in words) to assistive
    // technology. The width stays as designed, since the board setup places the button by
    // it; the height follows the face, so that the 24-pixel-high cleared face shows whole.
    void ShowFace(const QPixmap& face, const QString& state);

    void Click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    QPixmap face_;
    bool pressed_ = false;
    bool spacePressed_ = false;
};

}  // namespace kestravon
