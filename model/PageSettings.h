#pragma once

#include <cstdint>

namespace quillset {

// Margins and page size in printer dots. The left margin is kept a
// multiple of 8 and the width a multiple of 16, so that a page row is a
// whole number of byte pairs of the raster.
struct PageSettings {
    std::int16_t leftMargin = 0;
    std::int16_t leftMarginBytes = 0;
    std::int16_t topMargin = 0;
    std::int16_t pageWidth = 0;
    std::int16_t pageHeight = 0;
    std::int16_t rowBytes = 0;

    // Rounds the left margin down to whole bytes and the width down to whole
    // byte pairs (toward zero), and derives the byte counts.
    void normalise();

    // The page as the page view starts it: no margins, the paper's full
    // width for the printer type, the raster's full height.
    void reset(int printerType);

    // Settings read from a file are brought into the raster: margins and
    // width 0..832, height 0..1248. Normalises first, so the width is
    // checked after its rounding.
    void clampIntoRaster();
};

} // namespace quillset
