#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace kestravon {

// Where a window goes so that it lies within the available area of its screen.
struct ScreenFit {
    QSize size;          // the window without its frame
    QPoint frameOrigin;  // the top-left corner of its frame
};

// A window that wants `wanted` (without frame) and whose frame, with `frame` around it,
// now starts at `frameOrigin`: it keeps the wanted size where that fits `available`,
// and otherwise takes the largest size that fits, with room for the scroll bars
// (`scrollBars`: the vertical bar's width, the horizontal bar's height) that its board
// then needs. It moves left or up just enough to end within `available`; otherwise its
// top-left corner stays.
ScreenFit FitOnScreen(QSize wanted, QPoint frameOrigin, QMargins frame, QRect available,
                      QSize scrollBars);

// Resizes a window to `wanted`, or as FitOnScreen says on the screen it is on, and moves it
// where that says once it is shown. Before then the window manager places it, and its frame
// is not yet known. Where the window system places windows itself, a window that does not
// fit is maximised instead, and one that fits is restored.
void FitWindowOnScreen(QWidget& window, QSize wanted, QSize scrollBars);

// For a window that has just left the maximised state where the window system places
// windows: gives it the size FitOnScreen says (the window system would give back the size it
// had before it was maximised), and has the window system place it afresh where it grows.
void ResizeRestoredWindow(QWidget& window, QSize wanted, QSize scrollBars);

}  // namespace kestravon
