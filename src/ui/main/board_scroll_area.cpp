#include "ui/main/board_scroll_area.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/main/board_layout.h"

namespace kestravon {

BoardScrollArea::BoardScrollArea(QWidget* board, QWidget* parent) : QScrollArea(parent) {
    setFrameShape(QFrame::NoFrame);
    // The layout may make the area as small as the window becomes.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    viewport()->setBackgroundRole(QPalette::Window);
    auto* page = new QWidget;
    board->setParent(page);
    board->move(layout::ToPixels(layout::kBoardLeftTwips), 0);
    setWidget(page);
    // One step of the wheel or an arrow moves by whole cells.
    horizontalScrollBar()->setSingleStep(layout::kCellPixels);
    verticalScrollBar()->setSingleStep(layout::kCellPixels);
}

void BoardScrollArea::FitPage(QSize page) {
    widget()->resize(page);
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

QSize BoardScrollArea::ScrollBarExtents() const {
    return {verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height()};
}

void BoardScrollArea::wheelEvent(QWheelEvent* event) {
    if (!event->modifiers().testFlag(Qt::ShiftModifier)) {
        QScrollArea::wheelEvent(event);
        return;
    }
    // Shift turns the wheel sideways; without Shift the bar scrolls by steps, not pages.
    QWheelEvent sideways(event->position(), event->globalPosition(),
                         event->pixelDelta().transposed(), event->angleDelta().transposed(),
                         event->buttons(), event->modifiers() & ~Qt::ShiftModifier, event->phase(),
                         event->inverted(), event->source());
    QApplication::sendEvent(horizontalScrollBar(), &sideways);
    event->setAccepted(sideways.isAccepted());
}

}  // namespace kestravon
