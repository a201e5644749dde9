// The pointer's pixel steps: the whole screen scale, its snapping, the pixel under a position.
#pragma once

#include <QPoint>
#include <QPointF>
#include <QWindow>

// The pointer's pixel steps: the whole screen scale the program runs at, the snapping of the
// window system's pointer events to it (X11 and Windows), and the pixel that holds a
// fractional position (Wayland).
namespace kestravon {

// Before the application object exists: every screen gets a whole device-pixel ratio, the
// nearest one, halves up (1.25 -> 1, 1.5 -> 2, 2.5 -> 3), so that pictures scale by whole
// factors only; at 150 % a 15-pixel tile would be 22 and 23 screen pixels wide in turn.
// Qt's own variables (QT_SCALE_FACTOR, QT_SCALE_FACTOR_ROUNDING_POLICY) still act.
void UseWholeScreenScales();

// At a whole scale k above 1, each logical pixel is k x k screen pixels, but Qt rounds a
// pointer position to the nearest logical pixel before it picks the widget under it: a
// press on the last screen pixel of a cell would reach the next cell, or the widget beside
// the board. From this call on, the pointer's presses, releases and moves in the program's
// windows are moved, before Qt reads them, to the first screen pixel of the logical pixel
// that holds them, so that every widget gets the pixel under the pointer. Platforms that
// hand over fractional positions themselves (Wayland) or none at all (offscreen) are left
// alone. Call once, after the application object exists.
void SnapPointerToLogicalPixels();

// One coordinate of a pointer event, in screen pixels: within its window and on the screen.
struct SnappedPosition {
    int local;
    int global;
};

// Moves a position to the first screen pixel of the logical pixel (`scale` screen pixels
// wide) that holds it, within the window; the screen position moves with it.
SnappedPosition Snap(int local, int global, int scale);

// The device-pixel ratio of the program's window with that native handle, where it is whole;
// otherwise 1, which snaps nothing.
int WholeScaleOf(WId window);

// The pixel of a widget that holds a pointer at `position` in the widget, `inWindow` in its
// window. Qt hands a widget the position rounded to the nearest pixel; where the platform gave
// a fraction (Wayland at a whole scale: half pixels), the window-relative position keeps it.
QPoint PixelUnder(QPointF position, QPointF inWindow);

}  // namespace kestravon
