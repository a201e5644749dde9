#pragma once

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

}  // namespace kestravon
