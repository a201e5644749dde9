// Where a window goes on its screen: moved just enough to lie within the available area.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QWidget;

namespace kestravon {

// Whether the window system alone places windows (Wayland): a program can neither move
// its windows nor learn where they stand.
bool WindowSystemPlacesWindows();

// The top-left corner that moves a window's frame `outer` just enough to lie within
// `available`: left or up where it reaches past the right or the bottom edge, right or down
// where it starts before the left or the top edge. A frame larger than `available` meets its
// top-left corner.
QPoint MovedInside(QRect outer, QRect available);

// The frame around a window's client area, as left, top, right and bottom; none while the
// window system has not framed it.
QMargins FrameOf(const QWidget& window);

// Before a secondary window of a fixed size is first shown where its design puts it: moves it
// just enough for its frame to lie within the available area of the screen of `mainWindow`,
// and leaves it exactly where it is when it fits. Where the window system places windows
// itself, nothing moves.
void KeepWithinScreen(QWidget& window, const QWidget& mainWindow);

}  // namespace kestravon
