#include "document/PrinterBytes.h"

#include "document/FolioSession.h"
#include "language/PageToSend.h"
#include "language/PrinterLanguage.h"
#include "raster/PageRaster.h"

#include <algorithm>

namespace quillset {

DotPictureView dotPictureOf(const PageRaster& raster) {
    const PageSettings& page = raster.settings;
    const int rowBytes = std::max<int>(page.rowBytes, 0);
    const int height = rowBytes > 0 ? std::clamp<int>(page.pageHeight, 0, raster.usableRows()) : 0;
    return {raster.bits.data(), rowBytes * 8, height, rowBytes};
}

namespace {

class SessionPage : public PageToSend {
public:
    explicit SessionPage(const FolioSession& session)
        : session_(session) {}
    DotPictureView picture() const override { return dotPictureOf(session_.raster()); }
    std::string stream() const override { return session_.printStream(); }

private:
    const FolioSession& session_;
};

} // namespace

std::string printerBytes(const FolioSession& session, const LanguageOptions& options) {
    return encodePage(SessionPage(session), options);
}

} // namespace quillset
