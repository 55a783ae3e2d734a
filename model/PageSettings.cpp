#include "model/PageSettings.h"

#include "model/Limits.h"
#include "model/PrinterType.h"

#include <algorithm>

namespace quillset {

void PageSettings::normalise() {
    leftMarginBytes = static_cast<std::int16_t>(leftMargin / 8);
    leftMargin = static_cast<std::int16_t>(leftMarginBytes * 8);
    const int pairs = pageWidth / 16;
    pageWidth = static_cast<std::int16_t>(pairs * 16);
    rowBytes = static_cast<std::int16_t>(pairs * 2);
}

void PageSettings::reset(int printerType) {
    leftMargin = 0;
    topMargin = 0;
    pageWidth = startupPageWidth(printerType);
    pageHeight = kRasterHeight;
    normalise();
}

void PageSettings::clampIntoRaster() {
    const auto clamp = [](std::int16_t value, int high) {
        return static_cast<std::int16_t>(std::clamp<int>(value, 0, high));
    };
    normalise();
    leftMargin = clamp(leftMargin, kRasterWidth);
    topMargin = clamp(topMargin, kRasterWidth);
    pageWidth = clamp(pageWidth, kRasterWidth);
    pageHeight = clamp(pageHeight, kRasterHeight);
    normalise();
}

} // namespace quillset
