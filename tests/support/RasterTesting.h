#pragma once

#include "raster/PageRaster.h"

#include <memory>

namespace quillset::testing {

// A cleared raster with a page of the given size (width rounded as the page
// settings round it).
inline std::unique_ptr<PageRaster> makeRaster(int width, int height) {
    auto raster = std::make_unique<PageRaster>();
    raster->settings.pageWidth = static_cast<std::int16_t>(width);
    raster->settings.pageHeight = static_cast<std::int16_t>(height);
    raster->settings.normalise();
    raster->Clear();
    return raster;
}

inline bool dotAt(const PageRaster& raster, int x, int y) {
    return (raster.GetByte(x / 8, y) & (0x80 >> (x % 8))) != 0;
}

inline int countDots(const PageRaster& raster) {
    int n = 0;
    for (int y = 0; y < raster.settings.pageHeight; ++y) {
        for (int x = 0; x < raster.settings.pageWidth; ++x) {
            n += dotAt(raster, x, y) ? 1 : 0;
        }
    }
    return n;
}

struct Box {
    int left, top, right, bottom;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

} // namespace quillset::testing
