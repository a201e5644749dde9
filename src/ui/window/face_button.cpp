// The face button: painting the face, and a release at the pointer's pixel.
#include "ui/window/face_button.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "platform/pointer_pixels.h"

namespace kestravon {

FaceButton::FaceButton(QWidget* parent) : QAbstractButton(parent) {
    setAccessibleName(QStringLiteral("新しいゲーム"));
    setFocusPolicy(Qt::TabFocus);
    // The window's colour behind the face, not a button's: the Windows style draws the focus
    // frame's dots in the colour opposite the background role's.
    setBackgroundRole(QPalette::Window);
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

void FaceButton::mouseReleaseEvent(QMouseEvent* event) {
    // The button clicks where the pointer's pixel lies within it. Qt would round a fractional
    // position (Wayland's, at a whole scale) to the nearest pixel, past the last one.
    QMouseEvent atPixel(event->type(),
                        QPointF(PixelUnder(event->position(), event->scenePosition())),
                        event->scenePosition(), event->globalPosition(), event->button(),
                        event->buttons(), event->modifiers(), event->pointingDevice());
    QAbstractButton::mouseReleaseEvent(&atPixel);
    event->setAccepted(atPixel.isAccepted());
}

}  // namespace kestravon
