#pragma once

#include <QImage>

namespace quillset {

class PageRaster;

// The page as a picture, one pixel per dot: black where the raster's dots are
// set, white elsewhere, pageWidth x pageHeight, with the printers' resolution
// stored so that other programs show it life-size.
QImage pagePicture(const PageRaster& raster);

} // namespace quillset
