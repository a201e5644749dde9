// The pointer's snapping to whole logical pixels on Windows, in the window messages.
#include <windows.h>
#include <windowsx.h>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#include "platform/pointer_pixels.h"

namespace kestravon {

namespace {

bool IsClientMouseMessage(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_LBUTTONDBLCLK:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_RBUTTONDBLCLK:
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
        case WM_MBUTTONDBLCLK:
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
        case WM_XBUTTONDBLCLK:
            return true;
        default:
            return false;
    }
}

// The mouse messages of a window's client area carry the position in its screen pixels,
// relative to the client area, in lParam; `pt` holds the same point on the screen.
class WindowsPointerSnapper final : public QAbstractNativeEventFilter {
  public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        auto* msg = static_cast<MSG*>(message);
        if (type != "windows_generic_MSG" || !IsClientMouseMessage(msg->message)) {
            return false;
        }
        const int scale = WholeScaleOf(reinterpret_cast<WId>(msg->hwnd));
        const SnappedPosition x =
            Snap(GET_X_LPARAM(msg->lParam), static_cast<int>(msg->pt.x), scale);
        const SnappedPosition y =
            Snap(GET_Y_LPARAM(msg->lParam), static_cast<int>(msg->pt.y), scale);
        msg->lParam = MAKELPARAM(x.local, y.local);
        msg->pt.x = x.global;
        msg->pt.y = y.global;
        return false;
    }
};

}  // namespace

void SnapPointerToLogicalPixels() {
    // Lives as long as the application, which removes it from its dispatcher when it ends.
    static WindowsPointerSnapper snapper;
    qGuiApp->installNativeEventFilter(&snapper);
}

}  // namespace kestravon
