#pragma once

#include <QGuiApplication>
#include <QWindow>
#include <cmath>

// What the platforms' pointer snapping shares.
namespace kestravon {

// One coordinate of a pointer event, in screen pixels: within its window and on the screen.
struct SnappedPosition {
    int local;
    int global;
};

// Moves a position to the first screen pixel of the logical pixel (`scale` screen pixels
// wide) that holds it, within the window; the screen position moves with it.
inline SnappedPosition Snap(int local, int global, int scale) {
    const int remainder = ((local % scale) + scale) % scale;
    return {local - remainder, global - remainder};
}

// The device-pixel ratio of the program's window with that native handle, where it is whole;
// otherwise 1, which snaps nothing.
inline int WholeScaleOf(WId window) {
    for (QWindow* candidate : QGuiApplication::topLevelWindows()) {
        if (candidate->handle() != nullptr && candidate->winId() == window) {
            const double ratio = candidate->devicePixelRatio();
            return ratio == std::floor(ratio) ? static_cast<int>(ratio) : 1;
        }
    }
    return 1;
}

}  // namespace kestravon
