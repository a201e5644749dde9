// Detectable auto-repeat asked of the X server: a held key's repeats come without releases.
#include <xcb/xcb.h>
// The keyboard extension's header names a field "explicit", a keyword in C++.
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wkeyword-macro"
#endif
#define explicit explicit_field
#include <xcb/xkb.h>
#undef explicit
#if defined(__clang__)
#pragma clang diagnostic pop
#endif
#include <dlfcn.h>
#include <cstdint>

#include "platform/qt_xcb_connection.h"

namespace kestravon {

namespace {

// The request from the keyboard extension's library that Qt's xcb platform has loaded, or
// nullptr. The program does not link it: each library it links is searched, as it starts, for
// every symbol of every library loaded after it.
decltype(&xcb_xkb_per_client_flags) LoadedPerClientFlags() {
    void* library = dlopen("libxcb-xkb.so.1", RTLD_LAZY | RTLD_NOLOAD);
    if (library == nullptr) {
        return nullptr;
    }
    auto* function = reinterpret_cast<decltype(&xcb_xkb_per_client_flags)>(
        dlsym(library, "xcb_xkb_per_client_flags"));
    // Qt's platform keeps the library loaded.
    dlclose(library);
    return function;
}

}  // namespace

void AskForDetectableAutoRepeat() {
    xcb_connection_t* connection = QtXcbConnection();
    const auto perClientFlags = connection != nullptr ? LoadedPerClientFlags() : nullptr;
    if (perClientFlags == nullptr) {
        return;
    }
    // Qt has set up the keyboard extension for its own connection; the flag is this client's.
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const xcb_xkb_per_client_flags_cookie_t cookie =
        perClientFlags(connection, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    // Not waited for, so the start-up makes no round trip for it: a server without it sends
    // releases between repeats, which Qt flags as best it can.
    xcb_discard_reply(connection, cookie.sequence);
}

}  // namespace kestravon
