// Detectable auto-repeat asked of the X server: a held key's repeats come without releases.
#include <xcb/xcb.h>
// The keyboard extension's header names a field "explicit", a keyword in C++.
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit
#include <QGuiApplication>
#include <cstdlib>

#include "platform/xcb_functions.h"

namespace kestravon {

void AskForDetectableAutoRepeat() {
    // Qt's offscreen platform answers as an X11 application too, without a connection.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || x11 == nullptr ||
        x11->connection() == nullptr) {
        return;
    }
    xcb_connection_t* connection = x11->connection();
    // Qt has set up the keyboard extension for its own connection; the flag is this client's.
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto perClientFlags = LoadedXcbFunction<decltype(xcb_xkb_per_client_flags)>(
        "libxcb-xkb.so.1", "xcb_xkb_per_client_flags");
    const auto perClientFlagsReply = LoadedXcbFunction<decltype(xcb_xkb_per_client_flags_reply)>(
        "libxcb-xkb.so.1", "xcb_xkb_per_client_flags_reply");
    if (perClientFlags == nullptr || perClientFlagsReply == nullptr) {
        return;
    }
    const xcb_xkb_per_client_flags_cookie_t cookie =
        perClientFlags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    // A server without it sends releases between repeats, which Qt flags as best it can.
    std::free(perClientFlagsReply(connection, cookie, nullptr));
}

}  // namespace kestravon
