#include "ui/main/face_button.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/main/pointer_pixel.h"

namespace kestravon {

FaceButton::FaceButton(QWidget* parent) : QWidget(parent) {}

void FaceButton::ShowFace(const QPixmap& face) {
    face_ = face;
    resize(width(), face.height());
    update();
}

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
    // Without smooth transformation the painter scales by whole pixels.
    QPainter(this).drawPixmap(0, 0, face_);
}

void FaceButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void FaceButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click =
        pressed_ && event->button() == Qt::LeftButton && rect().contains(PixelUnderPointer(*event));
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

}  // namespace kestravon
