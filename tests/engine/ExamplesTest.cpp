#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "raster/PageRaster.h"

#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// The example labels are meant to be printed: each one opens without a
// message and its barcode scans as the data it was written with.

namespace quillset {
namespace {

std::string scan(const PageRaster& raster, ZXing::BarcodeFormat format) {
    const int width = raster.settings.pageWidth;
    const int height = raster.settings.pageHeight;
    std::vector<std::uint8_t> luminance(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            luminance[static_cast<std::size_t>(y) * width + x] =
                (raster.GetByte(x / 8, y) & (0x80 >> (x % 8))) ? 0 : 255;
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    const auto result = ZXing::ReadBarcode(
        ZXing::ImageView(luminance.data(), width, height, ZXing::ImageFormat::Lum), hints);
    return result.isValid() ? result.text() : "(nothing found)";
}

TEST(Examples, OpenAndScan) {
    const struct {
        const char* file;
        ZXing::BarcodeFormat format;
        std::string data;
    } cases[] = {
        {"shipping-label.txt", ZXing::BarcodeFormat::Code128, "QS4471092231GB"},
        {"price-tag.txt", ZXing::BarcodeFormat::EAN13, "5012345678900"},
        {"asset-tag.txt", ZXing::BarcodeFormat::Code39, "A-00417"},
        {"receipt.txt", ZXing::BarcodeFormat::None, ""},
        {"product-label.txt", ZXing::BarcodeFormat::QRCode, "https://quill.example/p/4471092"},
    };
    for (const auto& c : cases) {
        FolioSession session;
        RecordingReporter reporter;
        ASSERT_TRUE(
            session.open(std::string(QUILLSET_SOURCE_DIR) + "/examples/" + c.file, reporter))
            << c.file;
        EXPECT_TRUE(reporter.messages.empty()) << c.file;
        for (int i = 0; i < session.objects().count; ++i) {
            EXPECT_NE(session.objects()[i].kind, ObjectKind::ScriptLine)
                << c.file << ": every line draws";
        }
        if (c.format != ZXing::BarcodeFormat::None) {
            EXPECT_EQ(scan(session.raster(), c.format), c.data) << c.file;
        }
    }
}

} // namespace
} // namespace quillset
