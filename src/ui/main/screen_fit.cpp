#include "ui/main/screen_fit.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "platform/window_placement.h"

namespace kestravon {

ScreenFit FitOnScreen(QSize wanted, QPoint frameOrigin, QMargins frame, QRect available,
                      QSize scrollBars) {
    const QSize frameSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    const QSize room = available.size() - frameSize;
    // A scroll bar in one direction takes room from the other, which may then need its
    // bar too: two rounds settle both.
    bool vertical = false;
    bool horizontal = false;
    for (int round = 0; round < 2; ++round) {
        const QSize withBars =
            wanted + QSize(vertical ? scrollBars.width() : 0, horizontal ? scrollBars.height() : 0);
        vertical = withBars.height() > room.height();
        horizontal = withBars.width() > room.width();
    }
    const QSize size =
        (wanted + QSize(vertical ? scrollBars.width() : 0, horizontal ? scrollBars.height() : 0))
            .boundedTo(room);

    // Only ever left or up: a window that starts before the area's edge stays there.
    const QPoint inside = MovedInside(QRect(frameOrigin, size + frameSize), available);
    return {size, {std::min(frameOrigin.x(), inside.x()), std::min(frameOrigin.y(), inside.y())}};
}

namespace {

ScreenFit FitOnItsScreen(const QWidget& window, QSize wanted, QSize scrollBars) {
    return FitOnScreen(wanted, window.frameGeometry().topLeft(), FrameOf(window),
                       window.screen()->availableGeometry(), scrollBars);
}

// Gives a window a size where the program can neither move its windows nor learn where they
// stand. A window that grows where it stands may run off the screen, and the window system
// holds a maximised window at its size until it has answered the request to restore it (it
// drops a program that draws it at another size meanwhile). Shown anew, the window takes the
// size the program gives it, and the window system places it.
void ResizePlacedBySystem(QWidget& window, QSize size) {
    const bool grows = size.width() > window.width() || size.height() > window.height();
    const bool reshow = window.isVisible() && (window.isMaximized() || grows);
    if (reshow) {
        window.hide();
    }
    window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
    window.resize(size);
    if (reshow) {
        window.show();
    }
}

}  // namespace

void FitWindowOnScreen(QWidget& window, QSize wanted, QSize scrollBars) {
    const ScreenFit fit = FitOnItsScreen(window, wanted, scrollBars);
    if (WindowSystemPlacesWindows()) {
        // Where the window system's panels are is not known: a window too large for the
        // screen is maximised, so that the window system fits it to what they leave.
        if (fit.size == wanted) {
            ResizePlacedBySystem(window, wanted);
        } else {
            window.setWindowState(window.windowState() | Qt::WindowMaximized);
        }
        return;
    }
    window.resize(fit.size);
    if (window.isVisible() && fit.frameOrigin != window.frameGeometry().topLeft()) {
        window.move(fit.frameOrigin);
    }
}

void ResizeRestoredWindow(QWidget& window, QSize wanted, QSize scrollBars) {
    ResizePlacedBySystem(window, FitOnItsScreen(window, wanted, scrollBars).size);
}

}  // namespace kestravon
