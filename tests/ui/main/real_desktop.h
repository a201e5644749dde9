#pragma once

#include <sys/types.h>
#include <QSize>
#include <QString>

namespace kestravon {

// A real X server with a real window manager for the tests of one process: Xvfb on a
// display of its own choosing (so that several test programs can run at once), with
// openbox on it. The process's DISPLAY points there, and Qt is told to use it.
class RealDesktop final {
  public:
    // `dpi`, when given, is the X resource Xft.dpi that desktops set for a scaled screen
    // (144 for 150 %).
    explicit RealDesktop(QSize screen, int dpi = 0);
    RealDesktop(const RealDesktop&) = delete;
    RealDesktop& operator=(const RealDesktop&) = delete;
    ~RealDesktop();

    // Whether the server and the window manager came up; otherwise why not.
    bool ready() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

  private:
    bool StartServer(QSize screen);
    bool StartWindowManager();
    bool SetDpi(int dpi);

    pid_t server_ = -1;
    pid_t windowManager_ = -1;
    QString display_;
    QString error_;
};

}  // namespace kestravon
