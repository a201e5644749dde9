#include "ui/main/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

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

    const QRect outer(frameOrigin, size + frameSize);
    QPoint origin = frameOrigin;
    if (outer.right() > available.right()) {
        origin.setX(std::max(available.left(), available.right() + 1 - outer.width()));
    }
    if (outer.bottom() > available.bottom()) {
        origin.setY(std::max(available.top(), available.bottom() + 1 - outer.height()));
    }
    return {size, origin};
}

namespace {

// The program can neither move its window nor learn where it stands or where the desktop's
// panels are: a window too large for the screen is maximised, so that the window system fits
// it to what its panels leave.
void FitWindowPlacedBySystem(QWidget& window, QSize wanted, bool fits) {
    if (!fits) {
        window.setWindowState(window.windowState() | Qt::WindowMaximized);
        return;
    }
    // A window that grows where it stands may run off the screen, and the window system holds
    // a maximised window at its size until it has answered the request to restore it (it
    // drops a program that draws it at another size meanwhile). Shown anew, the window takes
    // the size the program gives it, and the window system places it.
    const bool grows = wanted.width() > window.width() || wanted.height() > window.height();
    const bool reshow = window.isVisible() && (window.isMaximized() || grows);
    if (reshow) {
        window.hide();
    }
    window.setWindowState(window.windowState() & ~Qt::WindowMaximized);
    window.resize(wanted);
    if (reshow) {
        window.show();
    }
}

}  // namespace

bool WindowSystemPlacesWindows() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void FitWindowOnScreen(QWidget& window, QSize wanted, QSize scrollBars) {
    const bool framed = window.isVisible();
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    const QMargins frame =
        framed ? QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                          outer.right() - inner.right(), outer.bottom() - inner.bottom())
               : QMargins();
    const ScreenFit fit = FitOnScreen(wanted, outer.topLeft(), frame,
                                      window.screen()->availableGeometry(), scrollBars);
    if (WindowSystemPlacesWindows()) {
        FitWindowPlacedBySystem(window, wanted, fit.size == wanted);
        return;
    }
    window.resize(fit.size);
    if (framed && fit.frameOrigin != outer.topLeft()) {
        window.move(fit.frameOrigin);
    }
}

}  // namespace kestravon
