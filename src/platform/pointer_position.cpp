#include "platform/pointer_position.h"

#include <cmath>

namespace kestravon {

SnappedPosition Snap(int local, int global, int scale) {
    const int remainder = ((local % scale) + scale) % scale;
    return {local - remainder, global - remainder};
}

QPoint PixelUnder(QPointF position, QPointF inWindow) {
    if (position == QPointF(position.toPoint())) {
        position += inWindow - QPointF(inWindow.toPoint());
    }
    return {static_cast<int>(std::floor(position.x())), static_cast<int>(std::floor(position.y()))};
}

}  // namespace kestravon
