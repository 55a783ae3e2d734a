#include "app/dialogs/DotsPicture.h"

#include "app/pageview/PagePicture.h"
#include "model/Limits.h"
#include "raster/PageRaster.h"

#include <algorithm>
#include <memory>

namespace quillset {

QImage dotsPicture(int width, int height, const std::function<void(PageRaster&)>& draw) {
    auto raster = std::make_unique<PageRaster>();
    PageSettings& page = raster->settings;
    page.pageWidth = static_cast<std::int16_t>(std::clamp(width, 1, kRasterWidth));
    page.pageHeight = static_cast<std::int16_t>(std::clamp(height, 1, kRasterHeight));
    page.rowBytes = static_cast<std::int16_t>((page.pageWidth + 7) / 8);
    raster->Clear();
    draw(*raster);
    return pagePicture(*raster);
}

QPixmap enlargedDots(const QImage& dots, int factor) {
    const int f = std::max(1, factor);
    return QPixmap::fromImage(
        dots.scaled(dots.size() * f, Qt::IgnoreAspectRatio, Qt::FastTransformation));
}

} // namespace quillset
