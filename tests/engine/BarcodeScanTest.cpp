#include "barcode/BarcodeEngine.h"
#include "barcode/BarcodeType.h"
#include "model/PageObject.h"
#include "model/TextField.h"
#include "tests/support/RasterTesting.h"

// Results as UTF-8 strings.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

// Every symbology, drawn at every angle, read back by an independent reader:
// the proof that what we print scans, check digits included.

namespace quillset {
namespace {

using ZXing::BarcodeFormat;

constexpr int kPage = 832; // square, so that every angle fits
constexpr int kHeight = 60;
constexpr int kMargin = 20;

struct Drawn {
    std::unique_ptr<PageRaster> raster;
    std::string data; // the object's data after drawing (check digit written back)
};

// Origins that keep the symbol on the page whichever way it reads.
Drawn draw(int type, const std::string& data, int angle) {
    Drawn drawn{testing::makeRaster(kPage, kPage), {}};
    const int nearEdge = kMargin;
    const int farEdge = kPage - 1 - kMargin;
    const int x = angle == 0 || angle == 1 ? nearEdge : farEdge;
    const int y = angle == 0 || angle == 3 ? nearEdge : farEdge;
    TextField field;
    field.assign(data);
    BarcodeEngine engine;
    engine.Draw(*drawn.raster, x, y, angle, 0, type, kHeight, field);
    drawn.data = std::string(field.view());
    return drawn;
}

struct Read {
    bool found;
    BarcodeFormat format;
    std::string text;
    std::string symbology; // "]C1" marks Code 128 that begins with FNC1
};

Read scan(const PageRaster& raster, BarcodeFormat expected) {
    const int width = raster.settings.pageWidth;
    const int height = raster.settings.pageHeight;
    std::vector<std::uint8_t> luminance(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            luminance[static_cast<std::size_t>(y) * width + x] =
                testing::dotAt(raster, x, y) ? 0 : 255;
        }
    }
    ZXing::DecodeHints hints;
    hints.setFormats(expected);
    hints.setTryHarder(true);
    hints.setTryRotate(true);
    hints.setReturnCodabarStartEnd(true);
    const auto result = ZXing::ReadBarcode(
        ZXing::ImageView(luminance.data(), width, height, ZXing::ImageFormat::Lum), hints);
    return {result.isValid(), result.format(), result.text(), result.symbologyIdentifier()};
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

constexpr int kStartA = 135;
constexpr int kStartB = 136;
constexpr int kStartC = 137;
constexpr int kFnc1 = 134;

struct ScanCase {
    const char* why;
    int type;
    std::string data;
    BarcodeFormat format;
    std::string text; // what the reader must return
};

void expectScans(const ScanCase& c) {
    for (int angle = 0; angle < 4; ++angle) {
        const Drawn drawn = draw(c.type, c.data, angle);
        const Read read = scan(*drawn.raster, c.format);
        EXPECT_TRUE(read.found) << c.why << " at angle " << angle;
        EXPECT_EQ(read.format, c.format) << c.why << " at angle " << angle;
        EXPECT_EQ(read.text, c.text) << c.why << " at angle " << angle;
    }
}

std::vector<ScanCase> code128Cases() {
    std::vector<ScanCase> cases = {
        {"subset A", barcode_type::kCode128, bytes({kStartA}) + "HELLO-123 ?_",
         BarcodeFormat::Code128, "HELLO-123 ?_"},
        {"subset B with lower case", barcode_type::kCode128,
         bytes({kStartB}) + "Quillset label 42~", BarcodeFormat::Code128, "Quillset label 42~"},
        {"subset C, even digit count", barcode_type::kCode128, bytes({kStartC}) + "1234567890",
         BarcodeFormat::Code128, "1234567890"},
        {"subset C, odd digit count pads a leading 0", barcode_type::kCode128,
         bytes({kStartC}) + "123456789", BarcodeFormat::Code128, "0123456789"},
        {"subset C, a single digit", barcode_type::kCode128, bytes({kStartC}) + "7",
         BarcodeFormat::Code128, "07"},
        {"B switches to C and back", barcode_type::kCode128,
         bytes({kStartB}) + "ab" + bytes({kStartC}) + "1234" + bytes({kStartB}) + "cd",
         BarcodeFormat::Code128, "ab1234cd"},
        {"A switches to B", barcode_type::kCode128,
         bytes({kStartA}) + "AB" + bytes({kStartB}) + "cd", BarcodeFormat::Code128, "ABcd"},
        {"C switches to A", barcode_type::kCode128,
         bytes({kStartC}) + "12" + bytes({kStartA}) + "XY", BarcodeFormat::Code128, "12XY"},
        {"an odd run after a switch pads its own 0", barcode_type::kCode128,
         bytes({kStartB}) + "x" + bytes({kStartC}) + "123", BarcodeFormat::Code128, "x0123"},
        {"a switch to the subset in force draws no FNC4", barcode_type::kCode128,
         bytes({kStartB}) + "a" + bytes({kStartB}) + "b", BarcodeFormat::Code128, "ab"},
        {"a switch to C while in C draws no pair 99", barcode_type::kCode128,
         bytes({kStartC}) + "12" + bytes({kStartC}) + "34", BarcodeFormat::Code128, "1234"},
        // The reader passes an FNC1 after the first symbol silently.
        {"FNC1 inside subset C ends the digit run", barcode_type::kCode128,
         bytes({kStartC}) + "12" + bytes({kFnc1}) + "345", BarcodeFormat::Code128, "120345"},
    };
    // Every printable byte of subset B (symbol values 0 to 95), a few dozen
    // to a symbol.
    for (int first = 32; first < 128; first += 24) {
        std::string text;
        for (int c = first; c < first + 24 && c < 128; ++c) {
            text += static_cast<char>(c);
        }
        cases.push_back({"subset B, every printable byte", barcode_type::kCode128,
                         bytes({kStartB}) + text, BarcodeFormat::Code128, text});
    }
    // Every digit pair of subset C (symbol values 0 to 99).
    for (int first = 0; first < 100; first += 20) {
        std::string digits;
        for (int pair = first; pair < first + 20; ++pair) {
            digits += static_cast<char>('0' + pair / 10);
            digits += static_cast<char>('0' + pair % 10);
        }
        cases.push_back({"subset C, every digit pair", barcode_type::kCode128,
                         bytes({kStartC}) + digits, BarcodeFormat::Code128, digits});
    }
    return cases;
}

TEST(BarcodeScan, Code128) {
    for (const ScanCase& c : code128Cases()) {
        expectScans(c);
    }
}

TEST(BarcodeScan, Code128LeadingFnc1MarksGs1Data) {
    for (int angle = 0; angle < 4; ++angle) {
        const Drawn drawn =
            draw(barcode_type::kCode128, bytes({kStartC, kFnc1}) + "0109501101530003", angle);
        const Read read = scan(*drawn.raster, BarcodeFormat::Code128);
        EXPECT_EQ(read.symbology, "]C1") << "angle " << angle;
        EXPECT_EQ(read.text, "0109501101530003") << "angle " << angle;
    }
}

TEST(BarcodeScan, Code39) {
    const ScanCase cases[] = {
        {"digits", barcode_type::kCode39, "0123456789", BarcodeFormat::Code39, "0123456789"},
        {"letters A to M", barcode_type::kCode39, "ABCDEFGHIJKLM", BarcodeFormat::Code39,
         "ABCDEFGHIJKLM"},
        {"letters N to Z", barcode_type::kCode39, "NOPQRSTUVWXYZ", BarcodeFormat::Code39,
         "NOPQRSTUVWXYZ"},
        {"every special character", barcode_type::kCode39, "-. $/+%", BarcodeFormat::Code39,
         "-. $/+%"},
        {"lower case has no cells and drops out", barcode_type::kCode39, "AbC",
         BarcodeFormat::Code39, "AC"},
    };
    for (const ScanCase& c : cases) {
        expectScans(c);
    }
}

TEST(BarcodeScan, Codabar) {
    // The reader names the start/stop characters A to D; T, N, * and E are
    // the same bars.
    const ScanCase cases[] = {
        {"A...A, every data character", barcode_type::kCodabar, "A0123456789-$:/.+A",
         BarcodeFormat::Codabar, "A0123456789-$:/.+A"},
        {"B...B", barcode_type::kCodabar, "B1234B", BarcodeFormat::Codabar, "B1234B"},
        {"C...C", barcode_type::kCodabar, "C5678C", BarcodeFormat::Codabar, "C5678C"},
        {"D...D", barcode_type::kCodabar, "D90-$D", BarcodeFormat::Codabar, "D90-$D"},
        {"A...D, different start and stop", barcode_type::kCodabar, "A31117013206375D",
         BarcodeFormat::Codabar, "A31117013206375D"},
        {"T...N, alternative names", barcode_type::kCodabar, "T:/.+N", BarcodeFormat::Codabar,
         "A:/.+B"},
        {"*...E, alternative names", barcode_type::kCodabar, "*40156E", BarcodeFormat::Codabar,
         "C40156D"},
    };
    for (const ScanCase& c : cases) {
        expectScans(c);
    }
}

TEST(BarcodeScan, Interleaved2of5) {
    std::vector<ScanCase> cases = {
        {"even length", barcode_type::kInterleaved2of5, "1234567890", BarcodeFormat::ITF,
         "1234567890"},
        {"odd length pads a leading 0", barcode_type::kInterleaved2of5, "1234567",
         BarcodeFormat::ITF, "01234567"},
    };
    for (int first = 0; first < 100; first += 10) {
        std::string digits;
        for (int pair = first; pair < first + 10; ++pair) {
            digits += static_cast<char>('0' + pair / 10);
            digits += static_cast<char>('0' + pair % 10);
        }
        cases.push_back({"every digit pair", barcode_type::kInterleaved2of5, digits,
                         BarcodeFormat::ITF, digits});
    }
    for (const ScanCase& c : cases) {
        expectScans(c);
    }
}

// The check digit is the reader's to verify: a wrong one does not scan. The
// expected text is the data with the digit the engine wrote back.
void expectUpcEanScans(const char* why, const std::string& data, BarcodeFormat format,
                       const std::string& prefix = "") {
    for (int angle = 0; angle < 4; ++angle) {
        const Drawn drawn = draw(barcode_type::kUpcEan, data, angle);
        const Read read = scan(*drawn.raster, format);
        EXPECT_TRUE(read.found) << why << " " << data << " at angle " << angle;
        EXPECT_EQ(read.format, format) << why << " " << data << " at angle " << angle;
        EXPECT_EQ(read.text, prefix + drawn.data) << why << " " << data << " at angle " << angle;
    }
}

TEST(BarcodeScan, UpcAndEan) {
    expectUpcEanScans("UPC-A", "03600029145?", BarcodeFormat::UPCA);
    expectUpcEanScans("UPC-A", "72527273070?", BarcodeFormat::UPCA);
    expectUpcEanScans("EAN-8", "9638507?", BarcodeFormat::EAN8);
    expectUpcEanScans("EAN-8", "5512345?", BarcodeFormat::EAN8);
    for (char first = '0'; first <= '9'; ++first) {
        expectUpcEanScans("EAN-13, the first digit sets the parities",
                          std::string(1, first) + "12345678901?", BarcodeFormat::EAN13);
    }
    // The sixth digit decides how the UPC-A behind a UPC-E expands, and so
    // its check digit.
    for (char sixth = '0'; sixth <= '9'; ++sixth) {
        expectUpcEanScans("UPC-E", std::string("12345") + sixth + "?", BarcodeFormat::UPCE, "0");
        expectUpcEanScans("UPC-E", std::string("65432") + sixth + "?", BarcodeFormat::UPCE, "0");
    }
}

} // namespace
} // namespace quillset
