#pragma once

namespace kestravon {

class QtPlatform;

// SIGTERM, SIGINT and SIGHUP close every window the normal way, so that the
// best times are saved and the program ends with status 0.
void CloseWindowsOnTerminationSignals(QtPlatform& platform);

}  // namespace kestravon
