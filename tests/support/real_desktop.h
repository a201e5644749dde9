// Real desktops on X servers of their own, for the tests that need a window manager.
#pragma once

#include <sys/types.h>
#include <QSize>
#include <QString>
#include <QTemporaryDir>

namespace kestravon {

// The desktops a player may have, each on a real X server of its own (Xvfb on a display of
// its own choosing, so that several test programs can run at once).
enum class DesktopKind {
    Openbox,        // an X11 window manager at 100 %
    ScaledOpenbox,  // the same at 150 % (the X resource Xft.dpi at 144)
    Weston,         // a Wayland compositor (weston's X11 back end): its desktop shell with a
                    // 32-pixel panel at the top, Qt as its client
};

// A desktop for the tests of one process: the process's environment points Qt at it.
class RealDesktop final {
  public:
    RealDesktop(QSize screen, DesktopKind kind);
    RealDesktop(const RealDesktop&) = delete;
    RealDesktop& operator=(const RealDesktop&) = delete;
    ~RealDesktop();

    // Ends the server and the window manager at once, from any thread.
    void Kill() const;

    // Whether the server and the window manager came up; otherwise why not.
    bool ready() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

  private:
    bool StartServer(QSize screen);
    bool StartWindowManager();
    bool SetDpi(int dpi);
    bool StartCompositor(QSize output);

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    QTemporaryDir runtime_;
    QString error_;
};

}  // namespace kestravon
