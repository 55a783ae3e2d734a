#include "barcode/BarcodeEngine.h"
#include "barcode/BarcodeType.h"
#include "barcode/CellTables.h"
#include "barcode/CodabarEncoder.h"
#include "barcode/Code128Encoder.h"
#include "barcode/Code39Encoder.h"
#include "barcode/Interleaved2of5Encoder.h"
#include "barcode/UpcEanEncoder.h"
#include "model/PageObject.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillset {
namespace {

// A pattern as modules, '1' bar and '0' space; every module must be two
// equal dots.
std::string modules(const BarPattern& pattern, std::size_t from = 0,
                    std::size_t to = BarPattern::kCapacity) {
    std::string out;
    to = std::min(to, pattern.length());
    for (std::size_t i = from; i + 1 < to; i += 2) {
        EXPECT_EQ(pattern[i] != 0, pattern[i + 1] != 0) << "half a module at dot " << i;
        out += pattern[i] != 0 ? '1' : '0';
    }
    return out;
}

std::string cellModules(const CellTable& table, std::uint8_t key) {
    const std::uint8_t* dots = table.find(key);
    if (dots == nullptr) {
        return "";
    }
    std::string out;
    for (int i = 0; i < table.width; i += 2) {
        out += table.dot(dots, i) ? '1' : '0';
    }
    return out;
}

std::string bytes(std::initializer_list<int> values) {
    std::string out;
    for (const int v : values) {
        out += static_cast<char>(v);
    }
    return out;
}

TEST(BarcodeCells, LayoutsAsTheStandardsWriteThem) {
    const struct {
        const CellTable& table;
        int key;
        const char* cell;
    } cases[] = {
        {kCode39Cells, '0', "0101000111011101"},
        {kCode39Cells, '#', "0100010111011101"},
        {kCode39Cells, '!', "0000000000000000"},
        {kCode128Cells, 0, "11011001100"},
        {kCode128Cells, 128, "10111100010"}, // value 96 again
        {kCode128Cells, 135, "11010000100"},
        {kCode128Cells, 136, "11010010000"},
        {kCode128Cells, 137, "11010011100"},
        {kCode128Cells, 141, "11000111010"},
        {kCode128Cells, 142, "11000000000"},
        {kCode128Cells, 140, "00000000000"},
        {kCode128Cells, 239, "00000000000"},
        {kInterleaved2of5Cells, 0, "101011100011100010"},
        {kInterleaved2of5Cells, 100, "000000000000001010"},
        {kInterleaved2of5Cells, 101, "111010000000000000"},
        {kInterleaved2of5Cells, 102, "000000000000000000"},
        {kCodabarCells, ':', "011010110110"},
        {kCodabarCells, 'T', "010110010010"},
        {kCodabarCells, ',', "000000000000"},
        {kUpcLCells, '0', "0001101"},
        {kUpcGCells, '0', "0100111"},
        {kUpcRCells, '0', "1110010"},
        {kUpcGuardCells, 'L', "0000101"},
        {kUpcCentreGuardCells, 'M', "01010"},
        {kUpcGuardCells, 'R', "0101010"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(cellModules(c.table, static_cast<std::uint8_t>(c.key)), c.cell)
            << "key " << c.key;
    }
}

TEST(BarcodeCells, KeysWithoutAnEntry) {
    const struct {
        const CellTable& table;
        int key;
    } cases[] = {
        {kCode39Cells, 'a'},  {kCode39Cells, '*'},  {kCode128Cells, 103}, {kCode128Cells, 127},
        {kCode128Cells, 143}, {kCode128Cells, 255}, {kCodabarCells, 'a'}, {kUpcLCells, 'A'},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.table.find(static_cast<std::uint8_t>(c.key)), nullptr) << "key " << c.key;
    }
}

// A typing slip in one of the 106 patterns would only show on a reader for
// the values the scan tests happen to use; the standard's rules catch it.
TEST(BarcodeCells, EveryCode128SymbolIsWellFormedAndDistinct) {
    std::set<std::string> seen;
    for (int key = 0; key <= 137; ++key) {
        if (key > 102 && key < 135) {
            continue;
        }
        const std::string cell = cellModules(kCode128Cells, static_cast<std::uint8_t>(key));
        ASSERT_EQ(cell.size(), 11u) << key;
        EXPECT_EQ(cell.front(), '1') << key;
        EXPECT_EQ(cell.back(), '0') << key;
        int elements = 1;
        int barModules = 0;
        for (std::size_t i = 0; i < cell.size(); ++i) {
            elements += i > 0 && cell[i] != cell[i - 1] ? 1 : 0;
            barModules += cell[i] == '1' ? 1 : 0;
        }
        EXPECT_EQ(elements, 6) << key;
        EXPECT_EQ(barModules % 2, 0) << "bar modules are even in every symbol: " << key;
        seen.insert(cell);
    }
    EXPECT_EQ(seen.size(), 106u);
}

struct Encoded {
    BarPattern bars;
    GuardPattern guards;
};

Encoded encode(int type, std::string_view data) {
    Encoded e;
    switch (type) {
    case barcode_type::kCode39:
        encodeCode39(data, e.bars);
        break;
    case barcode_type::kCode128:
        encodeCode128(data, e.bars);
        break;
    case barcode_type::kInterleaved2of5:
        EncodeInterleaved2of5(data, e.bars);
        break;
    case barcode_type::kCodabar:
        EncodeCodabar(data, e.bars);
        break;
    default:
        EncodeUpcEan(data, e.bars, e.guards);
        break;
    }
    return e;
}

TEST(BarcodeEncoders, PatternLengths) {
    const struct {
        const char* why;
        int type;
        std::string data;
        std::size_t dots;
    } cases[] = {
        {"Code 39: frame and four cells", barcode_type::kCode39, "AB-1", 256},
        {"Code 39: lower case has no cells", barcode_type::kCode39, "ab", 128},
        {"Code 39: empty data keeps the frame", barcode_type::kCode39, "", 128},
        {"Code 128 B: (n + 4) x 22", barcode_type::kCode128, bytes({136, 'A', 'B'}), 154},
        {"Code 128 C: (pairs + 5) x 22", barcode_type::kCode128, bytes({137}) + "1234", 154},
        {"Code 128 C: odd digits pad", barcode_type::kCode128, bytes({137}) + "123", 154},
        {"Code 128 C: no digits at all", barcode_type::kCode128, bytes({137}), 110},
        {"Code 128: a switch is one symbol", barcode_type::kCode128,
         bytes({136, 'a', 137, '1', '2'}), 176},
        {"I 2 of 5: 123 is pairs 01 and 23", barcode_type::kInterleaved2of5, "123", 144},
        {"I 2 of 5: 16 digits", barcode_type::kInterleaved2of5, "1234567890123456", 360},
        {"I 2 of 5: empty data keeps start and stop", barcode_type::kInterleaved2of5, "", 72},
        {"I 2 of 5: a pair that meets the sentinel is blank", barcode_type::kInterleaved2of5, "9<",
         108},
        {"Codabar: (n + 2) x 24", barcode_type::kCodabar, "A123B", 168},
        {"Codabar: empty data", barcode_type::kCodabar, "", 48},
        {"UPC-A", barcode_type::kUpcEan, "03600029145x", 220},
        {"EAN-13", barcode_type::kUpcEan, "4006381333931", 220},
        {"EAN-8", barcode_type::kUpcEan, "9638507x", 164},
        {"UPC-E", barcode_type::kUpcEan, "123456x", 126},
        {"UPC/EAN of another length: frame", barcode_type::kUpcEan, "03600029145", 42},
        {"UPC/EAN of no length: frame", barcode_type::kUpcEan, "", 42},
    };
    for (const auto& c : cases) {
        const Encoded e = encode(c.type, c.data);
        EXPECT_EQ(e.bars.length(), c.dots) << c.why;
        EXPECT_EQ(e.bars[c.dots], BarPattern::kEndMark) << c.why;
    }
}

TEST(BarcodeEncoders, Code39Cells) {
    Encoded e;
    encodeCode39("1!#", e.bars);
    const std::string m = modules(e.bars);
    const std::string frame = cellModules(kCode39Cells, '!') + cellModules(kCode39Cells, '#');
    EXPECT_EQ(m.substr(0, 32), frame);
    EXPECT_EQ(m.substr(32, 16), cellModules(kCode39Cells, '1'));
    EXPECT_EQ(m.substr(48, 16), std::string(16, '0')) << "'!' is a blank cell";
    EXPECT_EQ(m.substr(64, 16), cellModules(kCode39Cells, '#')) << "'#' is start/stop";
}

// The check symbol is the fifth cell from the end: before it come check,
// stop bars and stop end.
std::string code128Check(const std::string& data) {
    Encoded e;
    EXPECT_TRUE(encodeCode128(data, e.bars));
    const std::size_t at = e.bars.length() - 3 * 22;
    return modules(e.bars, at, at + 22);
}

TEST(BarcodeEncoders, Code128CheckValues) {
    const struct {
        const char* why;
        std::string data;
        int check;
    } cases[] = {
        {"B: 104 + 1 x 33 + 2 x 34 = 205", bytes({136, 'A', 'B'}), 102},
        {"C: 105 + 12 + 2 x 34 = 185", bytes({137}) + "1234", 82},
        {"C: 0123 pairs as 01 23, 105 + 1 + 46 = 152", bytes({137}) + "123", 49},
        {"A: 103 + 1 x 33 = 136", bytes({135, 'A'}), 33},
        {"B to C: 104 + 65 + 2 x 99 + 3 x 12 = 403", bytes({136, 'a', 137, '1', '2'}), 94},
        {"C then FNC1: 105 + 12 + 2 x 102 + 3 x 3 = 330", bytes({137, '1', '2', 134, '3'}), 21},
        {"a switch to the subset in force is not weighed", bytes({136, 'A', 136, 'B'}), 102},
        {"a byte with no cell is not weighed", bytes({136, 'A', 1, 'B'}), 102},
        {"byte 15 meets the sentinel: blank, not weighed", bytes({136, 'A', 15, 'B'}), 102},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(code128Check(c.data),
                  cellModules(kCode128Cells, static_cast<std::uint8_t>(c.check)))
            << c.why;
    }
}

TEST(BarcodeEncoders, Code128WithoutASubsetDrawsNothing) {
    for (const std::string& data : {std::string("ABC"), std::string(), bytes({134, '1'})}) {
        Encoded e;
        EXPECT_FALSE(encodeCode128(data, e.bars)) << data;
    }
}

TEST(BarcodeEncoders, Code128SentinelByteIsABlankCell) {
    Encoded e;
    ASSERT_TRUE(encodeCode128(bytes({136, 'A', 15, 'B'}), e.bars));
    EXPECT_EQ(modules(e.bars, 66, 88), std::string(11, '0'));
    EXPECT_EQ(e.bars.length(), 176u);
}

// The left half's digit cells, each named by the table it came from.
std::string parities(const BarPattern& bars, std::string_view digits) {
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const std::string cell = modules(bars, 28 + 14 * i, 42 + 14 * i);
        const auto key = static_cast<std::uint8_t>(digits[i]);
        out += cell == cellModules(kUpcLCells, key)   ? 'A'
               : cell == cellModules(kUpcGCells, key) ? 'B'
                                                      : '?';
    }
    return out;
}

TEST(BarcodeEncoders, UpcEanCheckDigitsAndParities) {
    const struct {
        const char* why;
        std::string data;
        char check;
        std::string left; // the digits of the left half
        std::string parity;
    } cases[] = {
        {"UPC-A: 3 x 14 + 16 = 58", "03600029145x", '2', "036000", "AAAAAA"},
        {"EAN-13 first digit 3", "3012345678901", '2', "012345", "AABBBA"},
        {"EAN-13 first digit 8", "8012345678901", '7', "012345", "ABABBA"},
        {"EAN-13 first digit 0 is a UPC-A", "0036000291451", '2', "036000", "AAAAAA"},
        {"EAN-13 whose first byte is no digit: L table alone", "X012345678901", '5', "012345",
         "AAAAAA"},
        {"EAN-8", "9638507x", '4', "9638", "AAAA"},
        {"UPC-E, sixth digit 5 to 9: 01234500006", "123456x", '5', "123456", "BAABBA"},
        {"UPC-E, sixth digit 0: 01200000345", "123450x", '5', "123450", "BAABBA"},
        {"UPC-E, sixth digit 3: 01230000045", "123453x", '1', "123453", "BBABAA"},
        {"UPC-E, sixth digit 4: 01234000005", "123454x", '3', "123454", "BBAAAB"},
    };
    for (const auto& c : cases) {
        Encoded e;
        EXPECT_EQ(EncodeUpcEan(c.data, e.bars, e.guards), c.check) << c.why;
        EXPECT_EQ(parities(e.bars, c.left), c.parity) << c.why;
    }
}

TEST(BarcodeEncoders, UpcEanGuards) {
    const struct {
        const char* why;
        std::string data;
        std::string guards; // the guard pattern in modules
    } cases[] = {
        {"UPC-A: left, centre and end guards", "03600029145x",
         std::string(11, '0') + "101" + std::string(42, '0') + "01010" + std::string(42, '0') +
             "1010000"},
        {"UPC-E: its end guard's three bars are all long", "123456x",
         std::string(11, '0') + "101" + std::string(42, '0') + "0101010"},
        {"EAN-8", "9638507x",
         std::string(11, '0') + "101" + std::string(28, '0') + "01010" + std::string(28, '0') +
             "1010000"},
        {"another length: only the left guard is long", "12345", std::string(11, '0') + "101"},
    };
    for (const auto& c : cases) {
        Encoded e;
        EncodeUpcEan(c.data, e.bars, e.guards);
        EXPECT_EQ(modules(e.guards), c.guards) << c.why;
    }
}

TEST(BarcodeEncoders, UpcEanFrameLeavesTheDataAlone) {
    Encoded e;
    EXPECT_EQ(EncodeUpcEan("03600029145", e.bars, e.guards), std::nullopt);
    EXPECT_EQ(modules(e.bars), std::string(11, '0') + "101" + "1010000");
}

// However long the data, nothing is written past the 832 entries.
TEST(BarcodeEncoders, LongDataIsCutAtThePattern) {
    const std::string digits(199, '7');
    const std::string letters(199, 'A');
    const struct {
        const char* why;
        int type;
        std::string data;
    } cases[] = {
        {"Code 39", barcode_type::kCode39, letters},
        {"Code 128 B", barcode_type::kCode128, bytes({136}) + letters.substr(1)},
        {"Code 128 C", barcode_type::kCode128, bytes({137}) + digits.substr(1)},
        {"Interleaved 2 of 5", barcode_type::kInterleaved2of5, digits},
        {"Codabar", barcode_type::kCodabar, std::string("A").append(digits, 2).append("B")},
    };
    for (const auto& c : cases) {
        const Encoded e = encode(c.type, c.data);
        EXPECT_EQ(e.bars.writeIndex(), BarPattern::kCapacity) << c.why;
        EXPECT_EQ(e.bars.length(), BarPattern::kCapacity) << c.why;
    }
}

TEST(BarcodeEncoders, ACellIsCutWhereThePatternEnds) {
    BarPattern bars;
    bars.appendBlank(830);
    EXPECT_TRUE(bars.appendCell(kCode39Cells, '#'));
    EXPECT_EQ(bars.writeIndex(), 832u);
    EXPECT_EQ(bars[830], 0);
    EXPECT_EQ(bars[831], 0) << "the first two dots of the start cell are its gap";
    bars.writeEndMark();
    EXPECT_EQ(bars.length(), 832u) << "a full pattern has no room for its end mark";
}

} // namespace
} // namespace quillset
