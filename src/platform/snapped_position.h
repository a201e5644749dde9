#pragma once

namespace kestravon {

// One coordinate of a pointer event, in screen pixels: within its window and on the screen.
struct SnappedPosition {
    int local;
    int global;
};

// Moves a position to the first screen pixel of the logical pixel (`scale` screen pixels
// wide) that holds it, within the window; the screen position moves with it.
inline SnappedPosition Snap(int local, int global, int scale) {
    const int remainder = ((local % scale) + scale) % scale;
    return {local - remainder, global - remainder};
}

}  // namespace kestravon
