#include "raster/PbmImage.h"

#include "raster/PageRaster.h"

#include <algorithm>

namespace quillset {

void writePbm(const PageRaster& raster, std::ostream& out) {
    const int width = std::max<int>(raster.settings.pageWidth, 0);
    const int height = std::max<int>(raster.settings.pageHeight, 0);
    out << "P4\n" << width << ' ' << height << '\n';
    // The raster's rows are already P4 rows; GetByte pads with white whatever
    // the settings say lies outside the storage.
    const int bytesPerRow = (width + 7) / 8;
    for (int r = 0; r < height; ++r) {
        for (int c = 0; c < bytesPerRow; ++c) {
            out.put(static_cast<char>(raster.GetByte(c, r)));
        }
    }
}

} // namespace quillset
