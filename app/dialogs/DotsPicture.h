#pragma once

#include <QImage>
#include <QPixmap>

#include <functional>

namespace quillset {

class PageRaster;

// A picture of dots as the engine draws them for the printer: `draw` works
// on a white raster of `width` x `height` dots (cut to the raster's
// capacity), and each dot becomes one pixel.
QImage dotsPicture(int width, int height, const std::function<void(PageRaster&)>& draw);

// The dots enlarged by a whole factor, each one a square of pixels: no
// smoothing, so the dots stay the dots that print.
QPixmap enlargedDots(const QImage& dots, int factor);

} // namespace quillset
