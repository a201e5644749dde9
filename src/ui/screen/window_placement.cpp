// Where a window goes on its screen.
#include "ui/screen/window_placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <optional>

#include "ui/screen/window_frame.h"

namespace kestravon {

namespace {

// One axis of MovedInside: the start of a span of `length` from `start`.
int MovedInside(int start, int length, int availableStart, int availableLength) {
    const int latest = availableStart + availableLength - length;
    return std::max(availableStart, std::min(start, latest));
}

// The frame the window system will give a window of a fixed size, before it has framed it:
// as the window system tells it (Windows, and X11 window managers that answer the request),
// or as Qt knows it. Elsewhere the frame of the program's main window, already shown, tells
// the window manager's borders and title bar; a window that cannot be resized has no grip
// below it, only a border as thick as those at the sides.
QMargins ExpectedFrame(QWidget& window, const QWidget& mainWindow) {
    if (const std::optional<QMargins> told = FrameBeforeShowing(window)) {
        return *told;
    }
    window.winId();
    const QMargins own = window.windowHandle()->frameMargins();
    if (!own.isNull()) {
        return own;
    }
    const QMargins main = FrameOf(mainWindow);
    return {main.left(), main.top(), main.right(), main.left()};
}

}  // namespace

bool WindowSystemPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

QPoint MovedInside(QRect outer, QRect available) {
    return {MovedInside(outer.left(), outer.width(), available.left(), available.width()),
            MovedInside(outer.top(), outer.height(), available.top(), available.height())};
}

QMargins FrameOf(const QWidget& window) {
    if (!window.isVisible()) {
        return {};
    }
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

void KeepWithinScreen(QWidget& window, const QWidget& mainWindow) {
    if (WindowSystemPlacesWindows() || mainWindow.screen() == nullptr) {
        return;
    }
    const QMargins frame = ExpectedFrame(window, mainWindow);
    const QRect outer = window.geometry().marginsAdded(frame);
    const QPoint moved = MovedInside(outer, mainWindow.screen()->availableGeometry());
    if (moved != outer.topLeft()) {
        // setGeometry places the client area, where move() would place a frame not yet known.
        window.setGeometry(window.geometry().translated(moved - outer.topLeft()));
    }
}

}  // namespace kestravon
