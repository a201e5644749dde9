// What the two secondary windows share.
#pragma once

#include <QString>

class QKeyEvent;
class QLabel;
class QPushButton;
class QWidget;

// What the board-change dialog and the best-time window share: a black client area with
// white labels, buttons of the platform's standard look, and neither a default nor a
// cancel button.
namespace kestravon {

// Black client area, and the Japanese proportional Gothic at 9 pt for which the controls'
// sizes were drawn (another face's captions would not fit their labels).
void DressDialog(QWidget& window);

// A label in white on black at the given client-area rectangle.
QLabel* AddLabel(QWidget& window, const QString& name, const QString& caption, int left, int top,
                 int width, int height);

// A push button that never acts as the default button.
QPushButton* AddButton(QWidget& window, const QString& name, const QString& caption, int left,
                       int top, int width, int height);

// For the window's keyPressEvent: Enter presses the push button that has the focus (a
// QPushButton that is not a default button ignores Enter) and does nothing elsewhere or
// when it is a held key's repeat;
// Escape does nothing instead of closing the dialog. Returns whether the key was one of
// these and has been dealt with.
bool TakeButtonOnlyDialogKey(QWidget& window, QKeyEvent& event);

}  // namespace kestravon
