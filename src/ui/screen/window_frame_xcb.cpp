// The frame an X11 window manager will give a window, asked with _NET_REQUEST_FRAME_EXTENTS.
#include <poll.h>
#include <xcb/xcb.h>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "ui/screen/window_frame.h"

namespace kestravon {

namespace {

// How long the window manager may take to answer before the frame counts as unknown.
constexpr int kAnswerTimeoutMs = 1000;

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const Reply<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
}

// The CARDINAL or ATOM values of a window's property; none when it is not set.
std::vector<uint32_t> Property(xcb_connection_t* connection, xcb_window_t window,
                               xcb_atom_t property, xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, property, type, 0, 1024), nullptr),
        &std::free);
    if (!reply || reply->format != 32 || reply->type != type) {
        return {};
    }
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// Waits until `property` of `window` changes, or the time is up. Returns whether it changed.
bool WaitForPropertyChange(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    QElapsedTimer waited;
    waited.start();
    pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (!xcb_connection_has_error(connection)) {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(connection), &std::free}) {
            const auto* change = reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
            if ((event->response_type & 0x7F) == XCB_PROPERTY_NOTIFY && change->window == window &&
                change->atom == property) {
                return true;
            }
        }
        const qint64 left = kAnswerTimeoutMs - waited.elapsed();
        if (left <= 0 || ::poll(&readable, 1, static_cast<int>(left)) <= 0) {
            return false;
        }
    }
    return false;
}

}  // namespace

std::optional<QMargins> FrameBeforeShowing(QWidget& window) {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return std::nullopt;
    }
    const auto native = static_cast<xcb_window_t>(window.winId());
    // A connection of its own, whose events the program's event loop does not take: the
    // answer is waited for here, before anything else of the program runs.
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        return std::nullopt;
    }
    xcb_connection_t* x = connection.get();
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const xcb_atom_t request = Atom(x, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(x, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        Property(x, root, Atom(x, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (std::find(supported.begin(), supported.end(), request) == supported.end()) {
        return std::nullopt;
    }

    // The window manager works the frame out from the window's hints and answers by setting
    // the window's _NET_FRAME_EXTENTS.
    const uint32_t propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(x, native, XCB_CW_EVENT_MASK, &propertyChanges);
    xcb_client_message_event_t ask{};
    ask.response_type = XCB_CLIENT_MESSAGE;
    ask.format = 32;
    ask.window = native;
    ask.type = request;
    xcb_send_event(x, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&ask));
    xcb_flush(x);
    if (!WaitForPropertyChange(x, native, extents)) {
        return std::nullopt;
    }

    // Left, right, top, bottom.
    const std::vector<uint32_t> frame = Property(x, native, extents, XCB_ATOM_CARDINAL);
    if (frame.size() != 4) {
        return std::nullopt;
    }
    return InWindowPixels(QMargins(static_cast<int>(frame[0]), static_cast<int>(frame[2]),
                                   static_cast<int>(frame[1]), static_cast<int>(frame[3])),
                          window.windowHandle()->devicePixelRatio());
}

}  // namespace kestravon
