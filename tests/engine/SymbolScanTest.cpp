#include "document/Compile.h"
#include "document/PageRenderer.h"
#include "model/CodePage437.h"
#include "model/KeptLines.h"
#include "model/ObjectList.h"
#include "model/ScriptGenerator.h"
#include "symbol/Symbology.h"
#include "tests/support/RasterTesting.h"

// Results as UTF-8 strings.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every symbology with its options, written as a statement, compiled and
// rendered as the page view renders it, at every angle, then read back by
// an independent reader: the proof that what we print scans as the data.

namespace quillset {
namespace {

using ZXing::BarcodeFormat;

constexpr int kMargin = 20;

struct Read {
    bool found;
    std::string text;
    std::string symbology;
};

// The reader looks from the middle of the picture outward, as a person
// aims a scanner: it is shown the symbol's box with a quiet zone around it,
// turned back `undo` quarter turns (the reader finds MaxiCode upright only).
Read scan(const PageRaster& raster, BarcodeFormat format, const PageObject& symbol, int undo) {
    const int left = symbol.left - kMargin;
    const int top = symbol.top - kMargin;
    const int w = symbol.right + kMargin + 1 - left;
    const int h = symbol.bottom + kMargin + 1 - top;
    const bool across = undo % 2 == 1;
    const int width = across ? h : w;
    const int height = across ? w : h;
    std::vector<std::uint8_t> luminance(static_cast<std::size_t>(width) * height);
    for (int v = 0; v < height; ++v) {
        for (int u = 0; u < width; ++u) {
            const int x = undo == 1 ? v : undo == 2 ? w - 1 - u : undo == 3 ? w - 1 - v : u;
            const int y = undo == 1 ? h - 1 - u : undo == 2 ? h - 1 - v : undo == 3 ? u : v;
            luminance[static_cast<std::size_t>(v) * width + u] =
                testing::dotAt(raster, left + x, top + y) ? 0 : 255;
        }
    }
    ZXing::DecodeHints hints;
    hints.setFormats(format);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    // The reader finds MaxiCode only as the one thing in the picture.
    hints.setIsPure(format == BarcodeFormat::MaxiCode);
    const auto result = ZXing::ReadBarcode(
        ZXing::ImageView(luminance.data(), width, height, ZXing::ImageFormat::Lum), hints);
    return {result.isValid(), result.text(), result.symbologyIdentifier()};
}

struct ScanCase {
    const char* why;
    int symbology;
    int module;
    int option;
    std::string data; // UTF-8; the object holds it in code page 437
    BarcodeFormat format;
    std::string text; // what the reader must return
};

std::string repeated(std::string_view piece, std::size_t length) {
    std::string out;
    while (out.size() < length)
        out += piece;
    out.resize(length);
    return out;
}

// Control characters and the top of ASCII, none the literal must escape.
const std::string kBinary = std::string("\x01\x02\x1d\x1e\x1f\x7f", 6) + "end";

const std::vector<ScanCase> kCases = {
    {"QR Code at L, a web address", symbology::kQrCode, 4, 0, "https://example.com/p/12345",
     BarcodeFormat::QRCode, "https://example.com/p/12345"},
    {"QR Code at H, letters beyond ASCII", symbology::kQrCode, 3, 3, "Grüße, Æble café",
     BarcodeFormat::QRCode, "Grüße, Æble café"},
    {"QR Code at M, control characters", symbology::kQrCode, 3, 1, kBinary,
     BarcodeFormat::QRCode, kBinary},
    {"QR Code at Q, the longest literal", symbology::kQrCode, 2, 2, repeated("Quillset 42 ", 199),
     BarcodeFormat::QRCode, repeated("Quillset 42 ", 199)},
    {"Data Matrix, plain", symbology::kDataMatrix, 4, 0, "Parcel 0042 to Lyon",
     BarcodeFormat::DataMatrix, "Parcel 0042 to Lyon"},
    {"Data Matrix, beyond ASCII", symbology::kDataMatrix, 4, 0, "Öl ½ kg, Zoë",
     BarcodeFormat::DataMatrix, "Öl ½ kg, Zoë"},
    {"Data Matrix, the longest literal", symbology::kDataMatrix, 3, 0,
     repeated("0123456789ABCDEFGH", 199), BarcodeFormat::DataMatrix,
     repeated("0123456789ABCDEFGH", 199)},
    {"GS1 Data Matrix, fixed-length fields only", symbology::kDataMatrix, 4, 1,
     "(01)09501101530003(17)261231", BarcodeFormat::DataMatrix, "010950110153000317261231"},
    {"GS1 Data Matrix, a variable-length field before another", symbology::kDataMatrix, 4, 1,
     "(01)09501101530003(10)ABC123(17)261231", BarcodeFormat::DataMatrix,
     "010950110153000310ABC123\x1d" "17261231"},
    {"PDF417 at security level 0", symbology::kPdf417, 2, 0, "PDF417 level 0",
     BarcodeFormat::PDF417, "PDF417 level 0"},
    {"PDF417 at security level 8, beyond ASCII", symbology::kPdf417, 2, 8, "Zürich Straße 5",
     BarcodeFormat::PDF417, "Zürich Straße 5"},
    {"PDF417, control characters", symbology::kPdf417, 2, 4, kBinary, BarcodeFormat::PDF417,
     kBinary},
    {"Aztec at its default error correction", symbology::kAztec, 4, 0, "Aztec 23%",
     BarcodeFormat::Aztec, "Aztec 23%"},
    {"Aztec at 90%, the most there is", symbology::kAztec, 4, 90, "Aztec Ünïcödé",
     BarcodeFormat::Aztec, "Aztec Ünïcödé"},
    {"Aztec, the longest literal", symbology::kAztec, 3, 10, repeated("AZTEC 0123 ", 199),
     BarcodeFormat::Aztec, repeated("AZTEC 0123 ", 199)},
    // The reader parts the primary message's postcode, country and service
    // with a group separator.
    {"MaxiCode mode 4", symbology::kMaxiCode, 7, 4, "MaxiCode mode 4 ABC 123",
     BarcodeFormat::MaxiCode, "MaxiCode mode 4 ABC 123"},
    {"MaxiCode mode 2, postcode, country and service first", symbology::kMaxiCode, 7, 2,
     "152382802840001Shipment 42", BarcodeFormat::MaxiCode,
     "152382802\x1d" "840\x1d" "001\x1dShipment 42"},
    {"MaxiCode mode 3, larger hexagons", symbology::kMaxiCode, 8, 3, "B1050 056999Parcel",
     BarcodeFormat::MaxiCode, "B1050 \x1d" "056\x1d" "999\x1dParcel"},
};

struct Rendered {
    std::unique_ptr<PageRenderer> renderer = std::make_unique<PageRenderer>(4);
    ObjectList list;
};

// The page with the one symbol, its origin where it stays on the page
// whichever way it turns.
std::unique_ptr<Rendered> rendered(const ScanCase& c, int angle) {
    auto page = std::make_unique<Rendered>();
    const PageSettings& settings = page->renderer->raster().settings;
    PageObject o;
    o.kind = ObjectKind::Symbol;
    o.x = angle == 0 || angle == 1 ? kMargin : settings.pageWidth - kMargin;
    o.y = angle == 0 || angle == 3 ? kMargin : settings.pageHeight - kMargin;
    o.angle = angle;
    o.symbology = c.symbology;
    o.symbolModule = c.module;
    o.symbolOption = c.option;
    o.literal.assign(utf8ToCp437(c.data));
    EXPECT_EQ(cp437ToUtf8(o.literal.view()), c.data)
        << c.why << ": the data must fit a literal, in the printer's characters";
    KeptLines kept;
    loadListFromUtf8(page->list, kept, generateStatement(o), page->renderer->text());
    EXPECT_EQ(page->list[0].kind, ObjectKind::Symbol) << c.why;
    page->renderer->RenderPage(page->list);
    return page;
}

void expectScans(const ScanCase& c) {
    for (int angle = 0; angle < 4; ++angle) {
        const auto page = rendered(c, angle);
        const int undo = c.format == BarcodeFormat::MaxiCode ? angle : 0;
        const Read read = scan(page->renderer->raster(), c.format, page->list[0], undo);
        EXPECT_TRUE(read.found) << c.why << " at angle " << angle;
        EXPECT_EQ(read.text, c.text) << c.why << " at angle " << angle;
    }
}

TEST(SymbolScan, EverySymbologyReadsBackAtEveryAngle) {
    for (const ScanCase& c : kCases)
        expectScans(c);
}

} // namespace
} // namespace quillset
