// Held keys as every widget should see them: one press, repeats that say so, one release.
#pragma once

namespace kestravon {

// From this call on, a key held down reaches the program's widgets as one press, then presses
// flagged as repeats, then one release, on every platform. The X server would otherwise send a
// release before each repeat, which Qt tells from a real one only when both have already
// arrived: a push button would click on each, a cell would be marked again and again. On X11
// the server is asked for detectable auto-repeat (no release until the key comes up), and a
// press of a key that is already down is flagged as a repeat. Call once, after the application
// object exists.
void FlagHeldKeyRepeats();

}  // namespace kestravon
