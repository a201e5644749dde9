// The end of the user's session handled as a normal close (Windows).
#include <QApplication>
#include <QSessionManager>

#include "app/close_at_end.h"
#include "app/termination_signals.h"

namespace kestravon {

// Windows has no termination signals. A WM_CLOSE reaches the main window as the close
// box does, and saves through its close event. The end of the session has to be handled
// here: Qt 6 only asks for the program's data (WM_QUERYENDSESSION) and leaves the windows
// open, and after WM_ENDSESSION Windows ends the process.
void CloseWindowsOnTerminationSignals(QtPlatform& platform) {
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, qApp,
                     [&platform](QSessionManager&) { CloseWindowsAtTheEnd(platform); });
    // WM_ENDSESSION may come before that queued close has run: the windows close now, and
    // the main window saves unless it already has.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &QApplication::closeAllWindows);
}

}  // namespace kestravon
