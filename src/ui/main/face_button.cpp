#include "ui/main/face_button.h"

#include <QMouseEvent>

namespace kestravon {

FaceButton::FaceButton(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void FaceButton::ShowFace(const QPixmap& face) {
    setPixmap(face);
    resize(width(), face.height());
}

void FaceButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void FaceButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

}  // namespace kestravon
