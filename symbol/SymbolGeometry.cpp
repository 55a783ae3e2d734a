#include "symbol/SymbolGeometry.h"

namespace quillset {

SymbolBox symbolBounds(int x, int y, int angle, int width, int height) {
    const int w = width - 1;
    const int h = height - 1;
    switch (angle) {
    case 1:
        return {x, y - w, x + h, y};
    case 2:
        return {x - w, y - h, x, y};
    case 3:
        return {x - h, y, x, y + w};
    default:
        return {x, y, x + w, y + h};
    }
}

} // namespace quillset
