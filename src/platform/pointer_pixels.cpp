// The pointer's pixel steps that every platform shares.
#include "platform/pointer_pixels.h"

#include <QGuiApplication>
#include <cmath>

namespace kestravon {

void UseWholeScreenScales() {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::Round);
}

SnappedPosition Snap(int local, int global, int scale) {
    const int remainder = ((local % scale) + scale) % scale;
    return {local - remainder, global - remainder};
}

int WholeScaleOf(WId window) {
    for (QWindow* candidate : QGuiApplication::topLevelWindows()) {
        if (candidate->handle() != nullptr && candidate->winId() == window) {
            const double ratio = candidate->devicePixelRatio();
            return ratio == std::floor(ratio) ? static_cast<int>(ratio) : 1;
        }
    }
    return 1;
}

QPoint PixelUnder(QPointF position, QPointF inWindow) {
    if (position == QPointF(position.toPoint())) {
        position += inWindow - QPointF(inWindow.toPoint());
    }
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

}  // namespace kestravon
