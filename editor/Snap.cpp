#include "editor/Snap.h"

namespace quillset {

int snap(int value, int offset) {
    const int shifted = value + offset + kGridPitch / 2;
    // Rounded down, not toward zero: left of the page or above it the
    // nearest line is still the one taken.
    int q = shifted / kGridPitch;
    if (shifted % kGridPitch < 0)
        --q;
    return q * kGridPitch - offset;
}

} // namespace quillset
