#pragma once

#include <ostream>

namespace quillset {

class PageRaster;

// The page in use as a binary PBM (P4) image, pageWidth x pageHeight, black
// where a dot is set.
void writePbm(const PageRaster& raster, std::ostream& out);

} // namespace quillset
