// The frame Windows gives a window, read from its native window before it is shown.
#include <windows.h>
#include <QWidget>
#include <QWindow>

#include "ui/screen/window_frame.h"

namespace kestravon {

std::optional<QMargins> FrameBeforeShowing(QWidget& window) {
    // Windows frames a native window when it creates it, from its styles: the hidden window
    // has the frame it will show with.
    const auto native = reinterpret_cast<HWND>(window.winId());
    RECT outer{};
    RECT client{};
    POINT origin{0, 0};
    if (!GetWindowRect(native, &outer) || !GetClientRect(native, &client) ||
        !ClientToScreen(native, &origin)) {
        return std::nullopt;
    }
    const QMargins device(origin.x - outer.left, origin.y - outer.top,
                          outer.right - (origin.x + client.right),
                          outer.bottom - (origin.y + client.bottom));
    return InWindowPixels(device, window.windowHandle()->devicePixelRatio());
}

}  // namespace kestravon
