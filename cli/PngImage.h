#pragma once

#include <string>

namespace quillset {
class PageRaster;
}

namespace quillset::cli {

// The page in use as a 1-bit grey PNG, pageWidth x pageHeight, black where a
// dot is set. Empty when the image cannot be made (a page of width or
// height 0).
std::string pngImage(const PageRaster& raster);

} // namespace quillset::cli
