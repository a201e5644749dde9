// The program's normal end when the system ends it: the waiting handler first, then every window.
#include "app/close_at_end.h"

#include <QApplication>
#include <QWidget>

#include "platform/qt_platform.h"

namespace kestravon {

void CloseWindowsAtTheEnd(QtPlatform& platform) {
    platform.StopShowingMessages();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isVisible() && window->isModal()) {
            window->close();
        }
    }
    QMetaObject::invokeMethod(
        qApp,
        [] {
            QApplication::closeAllWindows();
            QApplication::quit();
        },
        Qt::QueuedConnection);
}

}  // namespace kestravon
