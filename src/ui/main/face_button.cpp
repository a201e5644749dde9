#include "ui/main/face_button.h"

#include <QMouseEvent>

namespace kestravon {

FaceButton::FaceButton(std::function<void()> onClick, QWidget* parent)
    : QLabel(parent), onClick_(std::move(onClick)) {
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
        onClick_();
    }
}

}  // namespace kestravon
