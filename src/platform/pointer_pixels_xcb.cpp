// The pointer's snapping to whole logical pixels on X11, in the X server's events.
#include <xcb/xcb.h>
#include <xcb/xcbext.h>
#include <xcb/xinput.h>
#include <QAbstractNativeEventFilter>
#include <QGuiApplication>

#include "platform/pointer_pixels.h"
#include "platform/qt_xcb_connection.h"

namespace kestravon {

namespace {

// The XInput extension's major opcode, or -1. Qt carries its own XInput code, and the program
// links no libxcb-xinput: the extension is named here.
int XInputOpcode(xcb_connection_t* connection) {
    static xcb_extension_t xinput = {"XInputExtension", 0};
    const xcb_query_extension_reply_t* reply = xcb_get_extension_data(connection, &xinput);
    return reply != nullptr && reply->present ? reply->major_opcode : -1;
}

// X11 reports pointer events in screen pixels: the core events as integers, XInput 2 (which
// Qt prefers) in 16.16 fixed point.
class XcbPointerSnapper final : public QAbstractNativeEventFilter {
  public:
    explicit XcbPointerSnapper(xcb_connection_t* connection)
        : xinputOpcode_(XInputOpcode(connection)) {}

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr* /*result*/) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        auto* event = static_cast<xcb_generic_event_t*>(message);
        switch (event->response_type & 0x7F) {
            case XCB_BUTTON_PRESS:
            case XCB_BUTTON_RELEASE:
            case XCB_MOTION_NOTIFY:
                // The three share one layout.
                SnapCore(*reinterpret_cast<xcb_button_press_event_t*>(event));
                break;
            case XCB_GE_GENERIC:
                SnapXInput(*reinterpret_cast<xcb_input_button_press_event_t*>(event));
                break;
            default:
                break;
        }
        return false;
    }

  private:
    static void SnapCore(xcb_button_press_event_t& event) {
        const int scale = WholeScaleOf(event.event);
        const SnappedPosition x = Snap(event.event_x, event.root_x, scale);
        const SnappedPosition y = Snap(event.event_y, event.root_y, scale);
        event.event_x = static_cast<std::int16_t>(x.local);
        event.root_x = static_cast<std::int16_t>(x.global);
        event.event_y = static_cast<std::int16_t>(y.local);
        event.root_y = static_cast<std::int16_t>(y.global);
    }

    void SnapXInput(xcb_input_button_press_event_t& event) const {
        if (event.extension != xinputOpcode_ || (event.event_type != XCB_INPUT_BUTTON_PRESS &&
                                                 event.event_type != XCB_INPUT_BUTTON_RELEASE &&
                                                 event.event_type != XCB_INPUT_MOTION)) {
            return;
        }
        const int scale = WholeScaleOf(event.event);
        const SnappedPosition x = Snap(event.event_x >> 16, event.root_x >> 16, scale);
        const SnappedPosition y = Snap(event.event_y >> 16, event.root_y >> 16, scale);
        event.event_x = x.local * 65536;
        event.root_x = x.global * 65536;
        event.event_y = y.local * 65536;
        event.root_y = y.global * 65536;
    }

    const int xinputOpcode_;
};

}  // namespace

void SnapPointerToLogicalPixels() {
    xcb_connection_t* connection = QtXcbConnection();
    if (connection == nullptr) {
        return;
    }
    // Lives as long as the application, which removes it from its dispatcher when it ends.
    static XcbPointerSnapper snapper(connection);
    qGuiApp->installNativeEventFilter(&snapper);
}

}  // namespace kestravon
