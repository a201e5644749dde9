// A frame's device pixels in a window's pixels.
#include <cmath>

#include "ui/screen/window_frame.h"

namespace kestravon {

QMargins InWindowPixels(QMargins devicePixels, qreal scale) {
    const auto side = [scale](int pixels) { return static_cast<int>(std::ceil(pixels / scale)); };
    return {side(devicePixels.left()), side(devicePixels.top()), side(devicePixels.right()),
            side(devicePixels.bottom())};
}

}  // namespace kestravon
