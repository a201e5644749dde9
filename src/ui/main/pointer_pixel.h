#pragma once

#include <QMouseEvent>
#include <QPoint>
#include <cmath>

namespace kestravon {

// The pixel of a widget that holds the pointer of a mouse event. Qt hands a widget the
// position rounded to the nearest pixel; where the platform gave a fraction (Wayland at a
// whole scale: half pixels), the window-relative position keeps it, and it is rounded down.
inline QPoint PixelUnderPointer(const QMouseEvent& event) {
    QPointF exact = event.position();
    if (exact == QPointF(exact.toPoint())) {
        const QPointF inWindow = event.scenePosition();
        exact += inWindow - QPointF(inWindow.toPoint());
    }
    return {static_cast<int>(std::floor(exact.x())), static_cast<int>(std::floor(exact.y()))};
}

}  // namespace kestravon
