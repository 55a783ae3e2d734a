#include "symbol/SymbolEncoder.h"

#include "model/CodePage437.h"
#include "symbol/SymbolGeometry.h"
#include "symbol/Symbology.h"

// Results as UTF-8 strings.
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

// The data check the dialog, the pane, check and the batch check share: the
// library's reasons in the user's words, and what is refused before the
// library is asked.
TEST(SymbolEncoder, DataThatDoesNotEncodeSaysWhy) {
    const struct {
        const char* why;
        int symbology, module, option;
        std::string data; // UTF-8
        std::string problem;
    } cases[] = {
        {"GS1 takes ASCII only", symbology::kDataMatrix, 4, 1, "(01)\xC3\xA9",
         "Data Matrix: '\xC3\xA9' cannot be encoded in GS1 mode"},
        {"a GS1 check digit the library would only warn of", symbology::kDataMatrix, 4, 1,
         "(01)09501101530004", "Data Matrix: AI (01) position 14: Bad checksum '4', expected '3'"},
        {"a GS1 date that is none", symbology::kDataMatrix, 4, 1,
         "(01)09501101530003(17)261331", "Data Matrix: AI (17) position 3: Invalid month '13'"},
        {"GS1 data begins with an AI", symbology::kDataMatrix, 4, 1, "0109501101530003",
         "Data Matrix: data does not start with an AI"},
        {"more than the symbol holds", symbology::kMaxiCode, 7, 4, std::string(150, 'A'),
         "MaxiCode: 150 characters do not fit"},
        {"MaxiCode's mode 2 needs its primary message", symbology::kMaxiCode, 7, 2, "12345",
         "MaxiCode: mode 2 begins with a 9-digit postcode, the country and the service (15 "
         "characters)"},
        {"no data", symbology::kPdf417, 2, 1, "", "PDF417: there is no data"},
        {"an option the symbology lacks", symbology::kQrCode, 4, 4, "x",
         "QR Code: option 4 is not one of 0 to 3"},
        {"Aztec's options have a gap", symbology::kAztec, 4, 5, "x",
         "Aztec: option 5 is not one of 0 or 10 to 90"},
        {"a module too large", symbology::kQrCode, 21, 1, "x",
         "QR Code: the module is 21 dots; it takes 1 to 20"},
        {"no such symbology", 6, 4, 1, "x",
         "Symbology 6 is none of 1 QR Code, 2 Data Matrix, 3 PDF417, 4 Aztec, 5 MaxiCode"},
        {"a literal's longest data fits a QR Code", symbology::kQrCode, 1, 3,
         std::string(199, '\xB1'), ""},
    };
    for (const auto& c : cases) {
        const EncodedSymbol encoded =
            encodeSymbol(c.symbology, c.module, c.option, utf8ToCp437(c.data));
        EXPECT_EQ(encoded.problem, c.problem) << c.why;
        EXPECT_EQ(encoded.image == nullptr, !c.problem.empty()) << c.why;
    }
}

// Each module is exactly `module` dots (PDF417's rows three modules high),
// so the box a symbol covers follows from its modules.
TEST(SymbolEncoder, ModulesAreExactlyTheirDots) {
    const struct {
        const char* why;
        int symbology, module, option;
        std::string data;
        int width, height;
    } cases[] = {
        {"QR Code version 1: 21 modules", symbology::kQrCode, 4, 1, "A", 84, 84},
        {"Data Matrix 10 x 10", symbology::kDataMatrix, 3, 0, "A", 30, 30},
        {"Aztec compact, one layer: 15 modules", symbology::kAztec, 2, 0, "A", 30, 30},
        {"PDF417: four rows of 86 modules, each three high", symbology::kPdf417, 1, 0, "A", 86, 12},
        {"MaxiCode hexagons 7 dots wide, as the library lays them out", symbology::kMaxiCode, 7,
         4, "A", 209, 199},
    };
    for (const auto& c : cases) {
        const EncodedSymbol encoded = encodeSymbol(c.symbology, c.module, c.option, c.data);
        ASSERT_TRUE(encoded.image) << c.why << ": " << encoded.problem;
        EXPECT_EQ(encoded.image->width(), c.width) << c.why;
        EXPECT_EQ(encoded.image->height(), c.height) << c.why;
    }
}

// What an independent reader makes of an encoded image drawn dot for dot
// with a quiet zone of four cells around it.
struct SymbolRead {
    ZXing::BarcodeFormat format = ZXing::BarcodeFormat::None;
    std::string text;
    std::string ecLevel;
};

SymbolRead readImage(const SymbolImage& image) {
    const int quiet = 4 * image.cellWidth;
    const int width = image.width() + 2 * quiet;
    const int height = image.height() + 2 * quiet;
    std::vector<std::uint8_t> luminance(static_cast<std::size_t>(width) * height, 255);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.at(x / image.cellWidth, y / image.cellHeight))
                luminance[static_cast<std::size_t>(y + quiet) * width + x + quiet] = 0;
        }
    }
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::DataMatrix |
                     ZXing::BarcodeFormat::PDF417 | ZXing::BarcodeFormat::Aztec);
    hints.setIsPure(true);
    const auto result = ZXing::ReadBarcode(
        ZXing::ImageView(luminance.data(), width, height, ZXing::ImageFormat::Lum), hints);
    if (!result.isValid())
        return {};
    return {result.format(), result.text(), result.ecLevel()};
}

// Encodings are remembered by their arguments: the same data under another
// option, module or symbology is another symbol, whichever was asked first.
// Every row's data is shared with another row that differs in one argument
// only; the sizes are worked out from the symbologies' capacities.
TEST(SymbolEncoder, RememberedSymbolsAreThoseOfTheirOwnArguments) {
    using ZXing::BarcodeFormat;
    const struct {
        const char* why;
        int symbology, module, option;
        std::string data;
        BarcodeFormat format; // None: refused
        int columns, rows;    // in modules; 0: as the library lays out its rows
        std::string ecLevel;  // as the reader names it; empty: not checked
    } cases[] = {
        // 14 alphanumeric characters: version 1 holds 25 at L, 10 at H;
        // version 2 holds 20 at H.
        {"QR Code at L: version 1", symbology::kQrCode, 3, 0, "CACHE TEST 421", BarcodeFormat::QRCode,
         21, 21, "L"},
        {"the same data at H: version 2", symbology::kQrCode, 3, 3, "CACHE TEST 421",
         BarcodeFormat::QRCode, 25, 25, "H"},
        {"the same data at H, modules of 5 dots", symbology::kQrCode, 5, 3, "CACHE TEST 421",
         BarcodeFormat::QRCode, 25, 25, "H"},
        // In C40, three characters to two codewords: with its latch 11 data
        // codewords, which 16 x 16 holds (12) and 14 x 14 does not (8).
        {"the same data as a Data Matrix", symbology::kDataMatrix, 3, 0, "CACHE TEST 421",
         BarcodeFormat::DataMatrix, 16, 16, ""},
        {"the same data as a Data Matrix, modules of 2 dots", symbology::kDataMatrix, 2, 0,
         "CACHE TEST 421", BarcodeFormat::DataMatrix, 16, 16, ""},
        {"PDF417 at security level 2", symbology::kPdf417, 2, 2, "CACHE TEST 421",
         BarcodeFormat::PDF417, 0, 0, "2"},
        {"the same data at security level 5", symbology::kPdf417, 2, 5, "CACHE TEST 421",
         BarcodeFormat::PDF417, 0, 0, "5"},
        // Modules and options whose digits run together when nothing parts
        // them: 1 and 23 against 12 and 3 (refused), 1 and 10 against 11 and 0.
        {"Aztec, module 1, 23% error correction", symbology::kAztec, 1, 23, "A1",
         BarcodeFormat::Aztec, 15, 15, ""},
        {"Aztec, module 12, option 3: refused", symbology::kAztec, 12, 3, "A1",
         BarcodeFormat::None, 0, 0, ""},
        {"Aztec, module 1, option 10", symbology::kAztec, 1, 10, "A1", BarcodeFormat::Aztec, 15,
         15, ""},
        {"Aztec, module 11, its default error correction", symbology::kAztec, 11, 0, "A1",
         BarcodeFormat::Aztec, 15, 15, ""},
    };
    const std::size_t count = std::size(cases);
    // Each row's data, and the same with its first letter the next one (of
    // the same size and kind): the first set asked forwards, the second
    // backwards, so that each row is first encoded both before and after
    // each other; then both sets again, remembered.
    struct Ask {
        std::size_t row;
        bool other;
    };
    std::vector<Ask> order;
    for (std::size_t i = 0; i < count; ++i)
        order.push_back({i, false});
    for (std::size_t i = count; i-- > 0;)
        order.push_back({i, true});
    for (const bool other : {false, true})
        for (std::size_t i = 0; i < count; ++i)
            order.push_back({i, other});
    for (const Ask& ask : order) {
        const auto& c = cases[ask.row];
        std::string data = c.data;
        if (ask.other)
            ++data[0];
        SCOPED_TRACE(std::string(c.why) + ", data " + data);
        const EncodedSymbol encoded = encodeSymbol(c.symbology, c.module, c.option, data);
        if (c.format == BarcodeFormat::None) {
            EXPECT_FALSE(encoded.image);
            EXPECT_FALSE(encoded.problem.empty());
            continue;
        }
        ASSERT_TRUE(encoded.image) << encoded.problem;
        const SymbolImage& image = *encoded.image;
        if (c.columns != 0) {
            EXPECT_EQ(image.columns, c.columns);
            EXPECT_EQ(image.rows, c.rows);
        }
        EXPECT_EQ(image.cellWidth, c.module);
        EXPECT_EQ(image.cellHeight, c.format == BarcodeFormat::PDF417 ? 3 * c.module : c.module);
        const SymbolRead read = readImage(image);
        EXPECT_EQ(read.format, c.format);
        EXPECT_EQ(read.text, data);
        if (!c.ecLevel.empty()) {
            EXPECT_EQ(read.ecLevel, c.ecLevel);
        }
    }
}

TEST(SymbolGeometry, TheBoxTurnsAboutTheTopLeftCorner) {
    const struct {
        int angle;
        SymbolBox box;
    } cases[] = {
        {0, {100, 200, 129, 209}},
        {1, {100, 171, 109, 200}},
        {2, {71, 191, 100, 200}},
        {3, {91, 200, 100, 229}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(symbolBounds(100, 200, c.angle, 30, 10), c.box) << "angle " << c.angle;
}

} // namespace
} // namespace quillset
