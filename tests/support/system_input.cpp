// Input through the window system: xdotool on X11, SendInput on Windows.
#include "system_input.h"

#include <QWidget>

#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <QProcess>
#endif

namespace kestravon {

#ifdef Q_OS_WIN

bool PressKey(Qt::Key key) {
    INPUT press{};
    press.type = INPUT_KEYBOARD;
    press.ki.wVk = key == Qt::Key_Space ? VK_SPACE : VK_RETURN;
    INPUT release = press;
    release.ki.dwFlags = KEYEVENTF_KEYUP;
    INPUT inputs[] = {press, release};
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

bool ClickAt(const QWidget& widget, QPoint screenPixels, Qt::MouseButton button) {
    const QPoint inWindow =
        widget.mapTo(widget.window(), QPoint(0, 0)) * static_cast<int>(widget.devicePixelRatio()) +
        screenPixels;
    POINT target{inWindow.x(), inWindow.y()};
    if (!ClientToScreen(reinterpret_cast<HWND>(widget.window()->winId()), &target) ||
        !SetCursorPos(target.x, target.y)) {
        return false;
    }
    const bool left = button == Qt::LeftButton;
    INPUT inputs[2] = {};
    inputs[0].type = inputs[1].type = INPUT_MOUSE;
    inputs[0].mi.dwFlags = left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
    inputs[1].mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
    return SendInput(2, inputs, sizeof(INPUT)) == 2;
}

#else

bool PressKey(Qt::Key key) {
    return QProcess::execute(QStringLiteral("xdotool"),
                             {"key", key == Qt::Key_Space ? "space" : "Return"}) == 0;
}

// The screen's origin is the X server's: its pixels are the logical ones times the scale.
bool ClickAt(const QWidget& widget, QPoint screenPixels, Qt::MouseButton button) {
    const QPoint target =
        widget.mapToGlobal(QPoint(0, 0)) * static_cast<int>(widget.devicePixelRatio()) +
        screenPixels;
    return QProcess::execute(QStringLiteral("xdotool"),
                             {"mousemove", QString::number(target.x()), QString::number(target.y()),
                              "click", button == Qt::LeftButton ? "1" : "3"}) == 0;
}

#endif

}  // namespace kestravon
