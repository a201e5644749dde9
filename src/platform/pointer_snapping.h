#pragma once

#include <QGuiApplication>
#include <QWindow>
#include <cmath>

#include "platform/pointer_position.h"

// What the platforms' pointer snapping shares.
namespace kestravon {

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
