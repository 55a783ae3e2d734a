#include "app/pageview/PagePicture.h"

#include "model/PageSettings.h"
#include "model/PrinterType.h"
#include "raster/PageRaster.h"

#include <algorithm>
#include <cstring>

namespace quillset {

// Bit 0x80 of a raster byte is its leftmost dot, as in a monochrome image, so
// whole rows are copied.
QImage pagePicture(const PageRaster& raster) {
    const PageSettings& page = raster.settings;
    QImage image(std::max<int>(page.pageWidth, 0), std::max<int>(page.pageHeight, 0),
                 QImage::Format_Mono);
    if (image.isNull())
        return image;
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.setDotsPerMeterX(kDotsPerMetre);
    image.setDotsPerMeterY(kDotsPerMetre);
    image.fill(0);
    const auto rowBytes = static_cast<std::size_t>(std::max<int>(page.rowBytes, 0));
    const auto copied =
        std::min<std::size_t>(rowBytes, static_cast<std::size_t>(image.bytesPerLine()));
    const int rows = std::min(image.height(), raster.usableRows());
    for (int y = 0; y < rows; ++y)
        std::memcpy(image.scanLine(y), raster.bits.data() + static_cast<std::size_t>(y) * rowBytes,
                    copied);
    return image;
}

} // namespace quillset
