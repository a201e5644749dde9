#include "ui/main/screen_fit.h"

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
    window.resize(fit.size);
    if (framed && fit.frameOrigin != outer.topLeft()) {
        window.move(fit.frameOrigin);
    }
}

}  // namespace kestravon
