#pragma once

#include "language/DotPicture.h"
#include "language/LanguageOptions.h"

#include <string>

namespace quillset {

class FolioSession;
class PageRaster;

// The page as `quillset-cli render` writes it: the page width (whole bytes
// of the raster's rows) by the page height, within the rows the raster
// holds. The view points into the raster.
DotPictureView dotPictureOf(const PageRaster& raster);

// What Print sends in the chosen language: the page stream for the script
// printer, or the page's picture in ESC/POS or ZPL; `copies` times.
std::string printerBytes(const FolioSession& session, const LanguageOptions& options);

} // namespace quillset
