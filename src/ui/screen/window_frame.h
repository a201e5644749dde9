// The frame the window system will give a window, asked of it before the window is shown.
#pragma once

#include <QMargins>
#include <optional>

class QWidget;

namespace kestravon {

// The frame that the window system will put around `window`, not yet shown, as left, top,
// right and bottom in the window's pixels (a frame part that ends within a pixel counts it
// whole). Nothing where the window system does not tell it before the window is shown.
// Creates the window's native window.
std::optional<QMargins> FrameBeforeShowing(QWidget& window);

// Device pixels of a frame in a window's pixels at `scale` device pixels to one: each side
// rounded up, so that a window placed with it lies wholly where it is placed.
QMargins InWindowPixels(QMargins devicePixels, qreal scale);

}  // namespace kestravon
