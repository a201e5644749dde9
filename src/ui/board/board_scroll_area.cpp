// The scroll area in which a board larger than the window scrolls.
#include "ui/board/board_scroll_area.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

#include "ui/board/board_geometry.h"

namespace kestravon {

BoardScrollArea::BoardScrollArea(QWidget* board, int boardLeft, QWidget* parent)
    : QScrollArea(parent), board_(board) {
    setFrameShape(QFrame::NoFrame);
    // The keyboard's focus goes to the board itself, which scrolls the area by its cursor.
    setFocusPolicy(Qt::NoFocus);
    // The layout may make the area as small as the window becomes.
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    auto* page = new QWidget;
    board->setParent(page);
    board->move(boardLeft, 0);
    setWidget(page);
    // The window's black shows through: filling the viewport and the page as well would
    // paint a large board's background three times over.
    viewport()->setAutoFillBackground(false);
    page->setAutoFillBackground(false);
    // One step of the wheel or an arrow moves by whole cells.
    horizontalScrollBar()->setSingleStep(kCellPixels);
    verticalScrollBar()->setSingleStep(kCellPixels);
}

void BoardScrollArea::FitPage(QSize page) {
    widget()->resize(page);
    HideNeedlessBars();
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

void BoardScrollArea::resizeEvent(QResizeEvent* event) {
    QScrollArea::resizeEvent(event);
    HideNeedlessBars();
}

void BoardScrollArea::HideNeedlessBars() {
    // QScrollArea weighs the page against what its shown bars leave of the area, so bars
    // shown while the area was smaller stay when it grows to hold the whole page, and
    // cover the board's edge. Laid out once without them, the page fits and they stay off.
    const QSize page = widget()->size();
    const QSize whole = maximumViewportSize();
    const bool barsShown =
        horizontalScrollBar()->isVisibleTo(this) || verticalScrollBar()->isVisibleTo(this);
    if (barsShown && page.width() <= whole.width() && page.height() <= whole.height()) {
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
        setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    }
}

QSize BoardScrollArea::ScrollBarExtents() const {
    return {verticalScrollBar()->sizeHint().width(), horizontalScrollBar()->sizeHint().height()};
}

void BoardScrollArea::ShowBoardPart(QRect part) {
    const QRect inPage = part.translated(board_->pos());
    ensureVisible(inPage.center().x(), inPage.center().y(), part.width() / 2 + 1,
                  part.height() / 2 + 1);
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
