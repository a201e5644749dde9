// The program's normal end when the system ends it.
#pragma once

namespace kestravon {

class QtPlatform;

// Ends the run the normal way when the system ends the program: the handler that waits on
// an open message box or modal window is let finish first (a win is still ranked), with no
// further boxes; then every window closes, so that the main window saves what it left.
void CloseWindowsAtTheEnd(QtPlatform& platform);

}  // namespace kestravon
