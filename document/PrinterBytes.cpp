#include "document/PrinterBytes.h"

#include "document/FolioSession.h"
#include "printer/engine/EscPosEncoder.h"
#include "printer/engine/ZplEncoder.h"
#include "raster/PageRaster.h"

#include <algorithm>

namespace quillset {

DotPictureView dotPictureOf(const PageRaster& raster) {
    const PageSettings& page = raster.settings;
    const int rowBytes = std::max<int>(page.rowBytes, 0);
    const int height = rowBytes > 0 ? std::clamp<int>(page.pageHeight, 0, raster.usableRows()) : 0;
    return {raster.bits.data(), rowBytes * 8, height, rowBytes};
}

std::string printerBytes(const FolioSession& session, const LanguageOptions& options) {
    switch (options.language) {
    case PrinterLanguage::EscPos:
        return encodeEscPos(dotPictureOf(session.raster()), options);
    case PrinterLanguage::Zpl:
        return encodeZpl(dotPictureOf(session.raster()), options);
    case PrinterLanguage::Script:
        break;
    }
    return pageCopies(session.printStream(), options.copies);
}

} // namespace quillset
