#include "ui/main/face_button.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/pointer_position.h"
#include "ui/main/board_accessibility.h"

namespace kestravon {

FaceButton::FaceButton(QWidget* parent) : QWidget(parent) {
    InstallAccessibleInterfaces();
    setAccessibleName(QStringLiteral("新しいゲーム"));
    // Tab alone gives it the focus, so that its focus frame shows only to a keyboard player.
    setFocusPolicy(Qt::TabFocus);
}

void FaceButton::ShowFace(const QPixmap& face, const QString& state) {
    face_ = face;
    resize(width(), face.height());
    setAccessibleDescription(state);
    update();
}

void FaceButton::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    // Without smooth transformation the painter scales by whole pixels.
    painter.drawPixmap(0, 0, face_);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

void FaceButton::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
}

void FaceButton::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(PixelUnder(event->position(), event->scenePosition()));
    pressed_ = false;
    if (click) {
        emit clicked();
    }
}

// As a push button: Space goes down and clicks when it comes up; a held key clicks once.
void FaceButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space || event->modifiers() != Qt::NoModifier) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (!event->isAutoRepeat()) {
        spacePressed_ = true;
    }
}

void FaceButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Space) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    if (!event->isAutoRepeat() && spacePressed_) {
        spacePressed_ = false;
        emit clicked();
    }
}

void FaceButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    spacePressed_ = false;
}

}  // namespace kestravon
