// Input through the window system, as a player's keyboard and mouse give it.
#pragma once

#include <QPoint>
#include <Qt>

class QWidget;

namespace kestravon {

// Input through the window system, as a player's keyboard and mouse give it: xdotool on the
// X server on Linux, SendInput on Windows. Returns whether the input was sent.

// Presses and releases Return or Space.
bool PressKey(Qt::Key key);

// Presses and releases a mouse button with the pointer on a screen pixel of a widget, counted
// in screen pixels from the widget's top-left corner.
bool ClickAt(const QWidget& widget, QPoint screenPixels, Qt::MouseButton button);

}  // namespace kestravon
