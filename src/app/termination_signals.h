// Termination by the system, on every platform, handled as a normal close.
#pragma once

namespace kestravon {

class QtPlatform;

// Closes every window the normal way when the system ends the program, so that the
// best times are saved and the program ends with status 0: on SIGTERM, SIGINT and SIGHUP
// (termination_signals.cpp), on Windows at the end of the user's session
// (termination_signals_windows.cpp).
void CloseWindowsOnTerminationSignals(QtPlatform& platform);

}  // namespace kestravon
