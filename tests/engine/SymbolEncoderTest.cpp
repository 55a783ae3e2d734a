#include "symbol/SymbolEncoder.h"

#include "model/CodePage437.h"
#include "symbol/SymbolGeometry.h"
#include "symbol/Symbology.h"

#include <gtest/gtest.h>

#include <string>

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
