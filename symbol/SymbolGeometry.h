#pragma once

namespace quillset {

// The dots a symbol covers, both corners included.
struct SymbolBox {
    int left, top, right, bottom;
    friend bool operator==(const SymbolBox&, const SymbolBox&) = default;
};

// A symbol `width` by `height` dots (as it reads, quiet zone excluded) with
// its top-left corner at (x, y) before turning, turned `angle` quarter turns
// counter-clockwise about that corner, as barcodes turn.
SymbolBox symbolBounds(int x, int y, int angle, int width, int height);

} // namespace quillset
