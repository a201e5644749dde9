// Words said to a screen reader at once, apart from any object's name: the one place where the
// Qt versions differ.
#pragma once

#include <QString>

class QAccessibleEvent;
class QWidget;

namespace kestravon {

// Has a screen reader say `text` now, for `source`, a widget of the window it concerns. Nothing
// while none is listening. Qt 6.8 announces it (AT-SPI's announcements, UI Automation's
// notifications); before it, a notice appears in the window's status line, which screen
// readers speak without naming its role.
void Announce(QWidget& source, const QString& text);

// The words of a notice that Announce sent, or an empty text for any other event.
QString AnnouncedText(QAccessibleEvent& event);

}  // namespace kestravon
