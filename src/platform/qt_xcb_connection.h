// Qt's own connection to the X server, for the program's few requests of its own.
#pragma once

#include <QGuiApplication>

struct xcb_connection_t;

namespace kestravon {

// The connection Qt's xcb platform holds, or nullptr where the program does not run on X11
// (Qt's offscreen platform answers as an X11 application too, without a connection).
inline xcb_connection_t* QtXcbConnection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return QGuiApplication::platformName() == QLatin1String("xcb") && x11 != nullptr
               ? x11->connection()
               : nullptr;
}

}  // namespace kestravon
