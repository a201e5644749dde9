#include <QApplication>
#include <QSessionManager>
#include <QWidget>

#include "app/termination_signals.h"
#include "platform/qt_platform.h"

namespace kestravon {

// Windows has no termination signals. A WM_CLOSE reaches the main window as the close
// box does, and saves through its close event. The end of the session has to be handled
// here: Qt 6 only asks for the program's data (WM_QUERYENDSESSION) and leaves the windows
// open, and after WM_ENDSESSION Windows ends the process.
void CloseWindowsOnTerminationSignals(QtPlatform& platform) {
    // As with a signal elsewhere, the handler waiting on an open message box or modal
    // window is let finish first (a win is still ranked), with no further boxes.
    QObject::connect(
        qApp, &QGuiApplication::commitDataRequest, qApp, [&platform](QSessionManager&) {
            platform.StopShowingMessages();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window->isVisible() && window->isModal()) {
                    window->close();
                }
            }
            QMetaObject::invokeMethod(qApp, &QApplication::closeAllWindows, Qt::QueuedConnection);
        });
    // WM_ENDSESSION may come before that queued close has run: the windows close now, and
    // the main window saves unless it already has.
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp, &QApplication::closeAllWindows);
}

}  // namespace kestravon
