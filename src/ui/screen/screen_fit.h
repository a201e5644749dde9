// The main window's size for its board, within its screen, kept through the window system's
// restore.
#pragma once

#include <QMargins>
#include <QObject>
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

// Sizes a window for what it shows, within its screen. Where the window system places windows
// itself (Wayland), a window that does not fit is maximised, one that fits is restored, and a
// window the player restores from the maximised state is given its size again: the window
// system would give back the size it had before it was maximised, maybe another board's.
// There the screen's available area is the whole output, panels included: once the window
// has been maximised, the area the window system gave it bounds every size the window gets.
class WindowFitter final : public QObject {
    Q_OBJECT

  public:
    explicit WindowFitter(QWidget& window);

    // Resizes the window to `wanted`, or as FitOnScreen says on the screen it is on, and moves
    // it where that says once it is shown. Before then the window manager places it, and its
    // frame is not yet known.
    void Fit(QSize wanted, QSize scrollBars);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    ScreenFit FitOnItsScreen() const;
    // Where the window may lie: its screen's available area, no larger than the frame of
    // the maximised window where the window system places windows.
    QRect Room() const;
    void ResizeRestoredWindow();

    QWidget& window_;
    // What the last fit asked for.
    QSize wanted_;
    QSize scrollBars_;
    // Left the maximised state where the window system places windows: the next resize is
    // the window system's, and the wanted size is given after it.
    bool restoring_ = false;
    // The frame the window system last gave the maximised window, where it places windows;
    // none before then.
    QSize maximisedFrame_;
};

}  // namespace kestravon
