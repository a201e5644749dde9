#pragma once

#include <QPoint>
#include <QPointF>

// The pure steps from a pointer's position to the pixel that holds it: a whole scale's
// snapping of screen pixels, and the rounding down of a fractional position.
namespace kestravon {

// One coordinate of a pointer event, in screen pixels: within its window and on the screen.
struct SnappedPosition {
    int local;
    int global;
};

// Moves a position to the first screen pixel of the logical pixel (`scale` screen pixels
// wide) that holds it, within the window; the screen position moves with it.
SnappedPosition Snap(int local, int global, int scale);

// The pixel of a widget that holds a pointer at `position` in the widget, `inWindow` in its
// window. Qt hands a widget the position rounded to the nearest pixel; where the platform gave
// a fraction (Wayland at a whole scale: half pixels), the window-relative position keeps it.
QPoint PixelUnder(QPointF position, QPointF inWindow);

}  // namespace kestravon
