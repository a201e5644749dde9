// The main window's size for its board, within its screen, kept through a restore.
#include "ui/screen/screen_fit.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindowStateChangeEvent>
#include <algorithm>

#include "ui/screen/window_placement.h"

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

WindowFitter::WindowFitter(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
}

QRect WindowFitter::Room() const {
    QRect available = window_.screen()->availableGeometry();
    if (WindowSystemPlacesWindows() && maximisedFrame_.isValid()) {
        available.setSize(available.size().boundedTo(maximisedFrame_));
    }
    return available;
}

ScreenFit WindowFitter::FitOnItsScreen() const {
    return FitOnScreen(wanted_, window_.frameGeometry().topLeft(), FrameOf(window_), Room(),
                       scrollBars_);
}

void WindowFitter::Fit(QSize wanted, QSize scrollBars) {
    wanted_ = wanted;
    scrollBars_ = scrollBars;
    const ScreenFit fit = FitOnItsScreen();
    if (WindowSystemPlacesWindows()) {
        // Where the window system's panels are is known only from the maximised window: a
        // window too large for what is known is maximised, so that the window system fits it
        // to what they leave.
        if (fit.size == wanted) {
            ResizePlacedBySystem(window_, wanted);
        } else {
            window_.setWindowState(window_.windowState() | Qt::WindowMaximized);
        }
        return;
    }
    window_.resize(fit.size);
    if (window_.isVisible() && fit.frameOrigin != window_.frameGeometry().topLeft()) {
        window_.move(fit.frameOrigin);
    }
}

void WindowFitter::ResizeRestoredWindow() {
    if (!window_.isMaximized() && !window_.isMinimized()) {
        ResizePlacedBySystem(window_, FitOnItsScreen().size);
    }
}

bool WindowFitter::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_) {
        return false;
    }
    // Where the window system places windows, the state changes when the program asks for a
    // restore, before the window system has answered it with a size.
    if (event->type() == QEvent::WindowStateChange && WindowSystemPlacesWindows()) {
        const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
        restoring_ = change->oldState().testFlag(Qt::WindowMaximized) && !window_.isMaximized() &&
                     wanted_.isValid();
    }
    // The room the window system leaves a maximised window: all that its panels leave.
    if (event->type() == QEvent::Resize && window_.isMaximized() && WindowSystemPlacesWindows()) {
        maximisedFrame_ = window_.frameGeometry().size();
    }
    // The window system's answer to a restore: the wanted size follows, once this one is
    // handled.
    if (event->type() == QEvent::Resize && restoring_ && !window_.isMaximized()) {
        restoring_ = false;
        QTimer::singleShot(0, this, [this] { ResizeRestoredWindow(); });
    }
    return false;
}

}  // namespace kestravon
