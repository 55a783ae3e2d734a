#include "language/PrinterLanguage.h"
#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "language/CommandLineReader.h"
#include "language/EscPosEncoder.h"
#include "language/LabelImage.h"
#include "language/LanguageReader.h"
#include "language/PageToSend.h"
#include "language/ZplAsciiHex.h"
#include "language/ZplEncoder.h"
#include "language/ZplZ64.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace quillset {
namespace {

using namespace std::string_literals;

struct Example {
    std::string name;
    std::unique_ptr<FolioSession> session;
};

std::vector<Example> openExamples() {
    std::vector<Example> examples;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(QUILLSET_SOURCE_DIR) + "/examples")) {
        if (!entry.is_regular_file())
            continue;
        Example example{entry.path().filename().string(), std::make_unique<FolioSession>()};
        RecordingReporter reporter;
        EXPECT_TRUE(example.session->open(entry.path().string(), reporter)) << example.name;
        examples.push_back(std::move(example));
    }
    return examples;
}

ReadOutcome readBack(PrinterLanguage language, std::string_view bytes, std::size_t piece) {
    auto reader = languageInfo(language).makeReader();
    ReadOutcome all;
    auto take = [&all](ReadOutcome outcome) {
        for (auto& page : outcome.pages)
            all.pages.push_back(std::move(page));
        for (auto& problem : outcome.problems)
            all.problems.push_back(std::move(problem));
    };
    for (std::size_t at = 0; at < bytes.size(); at += piece)
        take(reader->feed(bytes.substr(at, piece)));
    take(reader->finish());
    return all;
}

std::string fromHex(std::string_view hex) {
    std::string bytes;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        if (hex[i] == ' ')
            --i;
        else
            bytes += static_cast<char>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16));
    }
    return bytes;
}

TEST(PrinterLanguage, ExamplesReadBackDotForDot) {
    const struct {
        const char* why;
        LanguageOptions options;
        std::size_t piece;    // bytes the reader gets at a time
        std::string settings; // as each page tells them
    } cases[] = {
        {"ESC/POS in whole bands", {.language = PrinterLanguage::EscPos}, 1 << 20, ""},
        {"ZPL ASCII hex, a byte at a time", {.language = PrinterLanguage::Zpl}, 1, ""},
        {"ZPL Z64",
         {.language = PrinterLanguage::Zpl, .zplCompression = ZplCompression::Z64},
         97,
         ""},
        {"bands of 7 rows and two copies",
         {.language = PrinterLanguage::EscPos,
          .bandRows = 7,
          .feedLines = 4,
          .cut = true,
          .copies = 2},
         13,
         "fed 4 lines, cut"},
        {"ZPL with every setting",
         {.language = PrinterLanguage::Zpl, .darkness = 30, .speed = 6, .media = LabelMedia::Mark},
         101,
         "darkness 30, speed 6, black mark"},
        {"TSPL with every setting, a byte at a time, two copies",
         {.language = PrinterLanguage::Tspl,
          .copies = 2,
          .darkness = 8,
          .speed = 4,
          .media = LabelMedia::Gap},
         1,
         "density 8, speed 4, gap 3 mm"},
        {"TSPL on black marks, pieces that split the bitmaps",
         {.language = PrinterLanguage::Tspl, .media = LabelMedia::Mark, .gapMm = 5},
         4099,
         "black mark 5 mm"},
        {"TSPL as the printer has it set", {.language = PrinterLanguage::Tspl}, 1 << 20, ""},
        {"EPL2 on continuous paper, the lightest",
         {.language = PrinterLanguage::Epl2,
          .darkness = 0,
          .speed = 2,
          .media = LabelMedia::Continuous},
         1000,
         "density 0, speed 2, continuous"},
        {"EPL2 as the printer has it set: its own length, the page's rows to the last",
         {.language = PrinterLanguage::Epl2, .copies = 3},
         7,
         ""},
    };
    for (const Example& example : openExamples()) {
        const DotPictureView page = dotPictureOf(example.session->raster());
        ASSERT_GT(page.height, 0) << example.name;
        for (const auto& c : cases) {
            const ReadOutcome outcome =
                readBack(c.options.language, printerBytes(*example.session, c.options), c.piece);
            EXPECT_TRUE(outcome.problems.empty())
                << example.name << ", " << c.why << ": " << outcome.problems.front();
            ASSERT_EQ(outcome.pages.size(), static_cast<std::size_t>(c.options.copies))
                << example.name << ", " << c.why;
            for (const PrintedPage& read : outcome.pages) {
                EXPECT_TRUE(sameDots(read.picture.view(), page)) << example.name << ", " << c.why;
                EXPECT_EQ(read.settings, c.settings) << example.name << ", " << c.why;
            }
        }
    }
}

TEST(PrinterLanguage, AsciiHexRows) {
    const struct {
        const char* why;
        std::vector<std::uint8_t> rows;
        int rowBytes;
        std::string text;
    } cases[] = {
        {"a count where shorter, one trailing zero as a digit", {0xFF, 0xFF, 0xFF, 0xF0}, 4, "MF0"},
        {"a run of two stays two digits", {0xAA, 0x12}, 2, "AA12"},
        {"counts add up: 46 F's as 40 and 6", std::vector<std::uint8_t>(23, 0xFF), 24, "hLF,"},
        {"zeros to the end of the row", {0x12, 0x00, 0x00}, 3, "12,"},
        {"zeros to the end of the row from a byte's low digit", {0x12, 0x30, 0x00}, 3, "123,"},
        {"a blank row, then one like it", {0, 0, 0, 0}, 2, ",:"},
        {"a row like the one above; never on the first",
         {0x0F, 0x0F, 0x0F, 0x0F, 0x00, 0x01},
         2,
         "0F0F:I01"},
        {"512 F's: 419 at most per count", std::vector<std::uint8_t>(256, 0xFF), 256, "zYFjSF"},
        {"a row unlike the one above only in its last byte is written out; one like it is not",
         {0x12, 0x34, 0x56, 0x12, 0x34, 0x57, 0x12, 0x34, 0x57},
         3,
         "123456123457:"},
        {"only the last byte differs, where the row above ends in zeros",
         {0xAB, 0x00, 0xAB, 0x01},
         2,
         "AB,AB01"},
        {"only the last digit differs, after a run of zeros",
         {0xF0, 0x00, 0x00, 0xF0, 0x00, 0x01},
         3,
         "F,FJ01"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> rows = c.rows;
        rows.resize((rows.size() + c.rowBytes - 1) / c.rowBytes * c.rowBytes);
        std::string text;
        appendAsciiHex(text, rows.data(), c.rowBytes, static_cast<int>(rows.size()) / c.rowBytes);
        EXPECT_EQ(text, c.text) << c.why;
        std::vector<std::uint8_t> read(rows.size());
        EXPECT_EQ(readAsciiHex(text, c.rowBytes, read), "") << c.why;
        EXPECT_EQ(read, rows) << c.why;
    }
}

// A page that is only its picture, for the encoders through the table.
class PictureOnly : public PageToSend {
public:
    explicit PictureOnly(DotPictureView picture)
        : picture_(picture) {}
    DotPictureView picture() const override { return picture_; }
    std::string stream() const override { return {}; }

private:
    DotPictureView picture_;
};

TEST(PrinterLanguage, SmallPicturesByteForByte) {
    // 16 x 3 dots: two rows FF 0F, then a blank row.
    const std::uint8_t bits[] = {0xFF, 0x0F, 0xFF, 0x0F, 0x00, 0x00};
    const DotPictureView picture{bits, 16, 3, 2};
    const struct {
        const char* why;
        LanguageOptions options;
        std::string bytes; // hex for ESC/POS, as sent for the others
    } cases[] = {
        {"ESC/POS: bands of two rows, feed, cut",
         {.language = PrinterLanguage::EscPos, .bandRows = 2, .feedLines = 3, .cut = true},
         "1B40 1D763000 0200 0200 FF0FFF0F 1D763000 0200 0100 0000 1B6403 1D564200"},
        {"ESC/POS: 12 dots sent, the rest of the byte cleared",
         {.language = PrinterLanguage::EscPos, .printWidth = 12},
         "1B40 1D763000 0200 0300 FF00FF000000"},
        {"ESC/POS: a print width past the picture is the picture",
         {.language = PrinterLanguage::EscPos, .printWidth = 999, .copies = 2},
         "1B40 1D763000 0200 0300 FF0FFF0F0000 1B40 1D763000 0200 0300 FF0FFF0F0000"},
        {"ZPL ASCII hex",
         {.language = PrinterLanguage::Zpl, .printWidth = 12, .copies = 3},
         "^XA^PW12^LL3^LH0,0^FO0,0^GFA,6,6,2,FF,:,^FS^PQ3^XZ"},
        {"ZPL: darkness in two digits before the label, the media and speed in it",
         {.language = PrinterLanguage::Zpl,
          .darkness = 5,
          .speed = 3,
          .media = LabelMedia::Continuous},
         "~SD05^XA^MNN^PR3^PW16^LL3^LH0,0^FO0,0^GFA,6,6,2,FF0F:,^FS^PQ1^XZ"},
        {"ZPL: labels with a gap, the printer's darkness and speed",
         {.language = PrinterLanguage::Zpl, .media = LabelMedia::Gap},
         "^XA^MNY^PW16^LL3^LH0,0^FO0,0^GFA,6,6,2,FF0F:,^FS^PQ1^XZ"},
        {"TSPL with every setting: 12 dots are 1.5 mm, 3 rows 0.375; the blank row not sent; "
         "0 bits black",
         {.language = PrinterLanguage::Tspl,
          .printWidth = 12,
          .copies = 2,
          .darkness = 8,
          .speed = 4,
          .media = LabelMedia::Gap},
         "SIZE 1.5 mm,0.375 mm\r\nGAP 3 mm,0 mm\r\nDIRECTION 0,0\r\nDENSITY 8\r\nSPEED 4\r\n"
         "CLS\r\nBITMAP 0,0,2,2,0,\x00\xFF\x00\xFF\r\nPRINT 1,2\r\n"s},
        {"TSPL: black marks of 5 mm, the darkness 0 sent",
         {.language = PrinterLanguage::Tspl, .darkness = 0, .media = LabelMedia::Mark, .gapMm = 5},
         "SIZE 2 mm,0.375 mm\r\nBLINE 5 mm,0 mm\r\nDIRECTION 0,0\r\nDENSITY 0\r\nCLS\r\n"
         "BITMAP 0,0,2,2,0,\x00\xF0\x00\xF0\r\nPRINT 1,1\r\n"s},
        {"TSPL: continuous paper is a gap of 0",
         {.language = PrinterLanguage::Tspl, .media = LabelMedia::Continuous},
         "SIZE 2 mm,0.375 mm\r\nGAP 0 mm,0 mm\r\nDIRECTION 0,0\r\nCLS\r\n"
         "BITMAP 0,0,2,2,0,\x00\xF0\x00\xF0\r\nPRINT 1,1\r\n"s},
        {"EPL2 with every setting: the gap in dots",
         {.language = PrinterLanguage::Epl2,
          .copies = 2,
          .darkness = 8,
          .speed = 3,
          .media = LabelMedia::Gap},
         "\r\nN\r\nq16\r\nQ3,24\r\nD8\r\nS3\r\nGW0,0,2,2,\x00\xF0\x00\xF0\r\nP2\r\n"s},
        {"EPL2: black marks with the offset they need",
         {.language = PrinterLanguage::Epl2, .media = LabelMedia::Mark, .gapMm = 5},
         "\r\nN\r\nq16\r\nQ3,B40+0\r\nGW0,0,2,2,\x00\xF0\x00\xF0\r\nP1\r\n"s},
        {"EPL2: continuous paper",
         {.language = PrinterLanguage::Epl2, .media = LabelMedia::Continuous},
         "\r\nN\r\nq16\r\nQ3,0\r\nGW0,0,2,2,\x00\xF0\x00\xF0\r\nP1\r\n"s},
        {"EPL2 without Q: the blank bottom row goes, to keep the page's length",
         {.language = PrinterLanguage::Epl2},
         "\r\nN\r\nq16\r\nGW0,0,2,2,\x00\xF0\x00\xF0\r\nGW0,2,2,1,\xFF\xFF\r\nP1\r\n"s},
    };
    for (const auto& c : cases) {
        const std::string bytes = encodePage(PictureOnly(picture), c.options);
        if (c.options.language == PrinterLanguage::EscPos)
            EXPECT_EQ(bytes, fromHex(c.bytes)) << c.why;
        else
            EXPECT_EQ(bytes, c.bytes) << c.why;
    }
}

// Millimetres as a person writes an eighth of one: "0.125", "2.5", "104".
std::string millimetresByHand(int dots) {
    char text[32];
    std::snprintf(text, sizeof text, "%.3f", dots / 8.0);
    std::string mm = text;
    while (mm.back() == '0')
        mm.pop_back();
    if (mm.back() == '.')
        mm.pop_back();
    return mm;
}

// TSPL's SIZE is in millimetres at 8 dots a mm: every width from one dot to
// the widest page, each eighth of a millimetre, goes out exactly and is
// read back as its dots.
TEST(PrinterLanguage, TsplSizeInEveryEighthOfAMillimetre) {
    for (int dots = 1; dots <= 832; ++dots) {
        const std::string mm = millimetresByHand(dots);
        SCOPED_TRACE(std::to_string(dots) + " dots, " + mm + " mm");
        const std::vector<std::uint8_t> bits(static_cast<std::size_t>((dots + 7) / 8), 0xFF);
        const std::string tspl = encodePage(PictureOnly({bits.data(), dots, 1, (dots + 7) / 8}),
                                            {.language = PrinterLanguage::Tspl});
        EXPECT_EQ(tspl.substr(0, tspl.find('\n') + 1), "SIZE " + mm + " mm,0.125 mm\r\n");

        const ReadOutcome read = readBack(
            PrinterLanguage::Tspl, "SIZE " + mm + " mm," + mm + " mm\r\nCLS\r\nPRINT 1\r\n", 64);
        EXPECT_TRUE(read.problems.empty());
        ASSERT_EQ(read.pages.size(), 1u);
        EXPECT_EQ(read.pages[0].picture.width, dots);
        EXPECT_EQ(read.pages[0].picture.height, dots);
    }
}

// A print width sends the left dots of each row and no more, the bits past
// it white, in the label languages as in the others. The rows are written
// out here dot by dot, a 0 bit printing.
TEST(PrinterLanguage, LabelLanguagesSendThePrintWidthOnly) {
    // 24 x 2: a black row, then A5 5A C3.
    const std::uint8_t bits[] = {0xFF, 0xFF, 0xFF, 0xA5, 0x5A, 0xC3};
    const DotPictureView picture{bits, 24, 2, 3};
    const auto black = [&](int x, int y) { return (bits[y * 3 + x / 8] >> (7 - x % 8)) & 1; };
    for (const int printWidth : {0, 1, 2, 7, 8, 9, 12, 15, 16, 17, 23, 24, 25, 999}) {
        SCOPED_TRACE("print width " + std::to_string(printWidth));
        const int width = printWidth == 0 || printWidth > 24 ? 24 : printWidth;
        const int rowBytes = (width + 7) / 8;
        std::string data;
        for (int y = 0; y < 2; ++y) {
            for (int k = 0; k < rowBytes; ++k) {
                int byte = 0;
                for (int b = 0; b < 8; ++b) {
                    const int x = 8 * k + b;
                    const bool printed = x < width && black(x, y);
                    byte = byte << 1 | (printed ? 0 : 1);
                }
                data += static_cast<char>(byte);
            }
        }
        const std::string band = std::to_string(rowBytes) + ",2,";
        EXPECT_EQ(encodePage(PictureOnly(picture),
                             {.language = PrinterLanguage::Epl2, .printWidth = printWidth}),
                  "\r\nN\r\nq" + std::to_string(width) + "\r\nGW0,0," + band + data + "\r\nP1\r\n");
        EXPECT_EQ(encodePage(PictureOnly(picture),
                             {.language = PrinterLanguage::Tspl, .printWidth = printWidth}),
                  "SIZE " + millimetresByHand(width) +
                      " mm,0.25 mm\r\nDIRECTION 0,0\r\nCLS\r\nBITMAP 0,0," + band + "0," + data +
                      "\r\nPRINT 1,1\r\n");
    }
}

TEST(PrinterLanguage, LabelBitmapsSkipWhiteRowsAndSplit) {
    // 832 dots wide: rows 0 to 399 black, 400 to 409 white, 410 to 419 black.
    std::vector<std::uint8_t> bits(104 * 420, 0xFF);
    std::fill(bits.begin() + 104 * 400, bits.begin() + 104 * 410, 0);
    const std::string tspl =
        encodePage(PictureOnly({bits.data(), 832, 420, 104}), {.language = PrinterLanguage::Tspl});
    // 32,768 bytes take 315 rows of 104.
    for (const char* band :
         {"BITMAP 0,0,104,315,0,", "BITMAP 0,315,104,85,0,", "BITMAP 0,410,104,10,0,"})
        EXPECT_NE(tspl.find(band), std::string::npos) << band;
    EXPECT_EQ(tspl.size(), 104u * 410 + 123) << "only the black rows and the commands";
}

TEST(PrinterLanguage, TallPagesSplitIntoFieldsThatStartAfresh) {
    // 832 x 1248 with every row alike: 961 rows to the first field.
    const std::vector<std::uint8_t> bits(104 * 1248, 0xAA);
    const std::string zpl =
        encodeZpl({bits.data(), 832, 1248, 104}, {.language = PrinterLanguage::Zpl});
    EXPECT_NE(zpl.find("^FO0,0^GFA,99944,99944,104,pNA:"), std::string::npos);
    EXPECT_NE(zpl.find("^FO0,961^GFA,29848,29848,104,pNA:"), std::string::npos);
}

TEST(PrinterLanguage, Z64CheckValues) {
    const struct {
        const char* why;
        std::string bytes;
        std::string base64;
        std::uint16_t crc;
    } cases[] = {
        {"the CRC's published check value; eight bytes at a time and one left", "123456789",
         "MTIzNDU2Nzg5", 0x31C3},
        {"base64 padded by one", "Ma", "TWE=", 0x0717},
        {"base64 padded by two", "M", "TQ==", 0x9969},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(base64(reinterpret_cast<const std::uint8_t*>(c.bytes.data()), c.bytes.size()),
                  c.base64)
            << c.why;
        EXPECT_EQ(crc16(c.bytes), c.crc) << c.why;
    }
}

// The CRC as it is defined: the message shifted in a bit at a time, most
// significant first, the polynomial added whenever a one falls out.
std::uint16_t crc16BitByBit(std::string_view text) {
    unsigned crc = 0;
    for (const char c : text) {
        for (int bit = 7; bit >= 0; --bit) {
            const unsigned out = ((crc >> 15) ^ (static_cast<unsigned char>(c) >> bit)) & 1;
            crc = (crc << 1) & 0xFFFF;
            if (out)
                crc ^= 0x1021;
        }
    }
    return static_cast<std::uint16_t>(crc);
}

TEST(PrinterLanguage, Z64CrcOfLongFields) {
    ASSERT_EQ(crc16BitByBit("123456789"), 0x31C3) << "the bitwise CRC is the published one";
    const struct {
        const char* why;
        std::size_t length;
    } cases[] = {
        {"eight bytes, one block and nothing left", 8},
        {"two blocks: the second starts from the first's CRC", 16},
        {"two blocks and one byte left", 17},
        {"two blocks and seven left", 23},
        {"three blocks", 24},
        {"a field of a few kilobytes", 4099},
    };
    for (const auto& c : cases) {
        std::string text(c.length, '\0');
        for (std::size_t i = 0; i < text.size(); ++i)
            text[i] = static_cast<char>(i * 37 + 11);
        EXPECT_EQ(crc16(text), crc16BitByBit(text)) << c.why;
    }

    // The CRC a ZPL field carries is that of its base64 text.
    std::vector<std::uint8_t> image(300);
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<std::uint8_t>(i * i + 7 * i);
    std::string field;
    appendZ64(field, image.data(), image.size());
    const std::size_t colon = field.rfind(':');
    const std::string text = field.substr(5, colon - 5);
    ASSERT_GT(text.size(), 16u);
    char crc[5];
    std::snprintf(crc, sizeof crc, "%04X", crc16BitByBit(text));
    EXPECT_EQ(field.substr(colon + 1), crc);
}

TEST(PrinterLanguage, ZplIsAFractionOfPlainHex) {
    for (const Example& example : openExamples()) {
        for (const ZplCompression compression : {ZplCompression::Ascii, ZplCompression::Z64}) {
            const std::string zpl =
                printerBytes(*example.session,
                             {.language = PrinterLanguage::Zpl, .zplCompression = compression});
            // Plain hex: each field's data as two digits per byte of image.
            std::size_t plain = zpl.size();
            for (std::size_t at = zpl.find("^GFA,"); at != std::string::npos;
                 at = zpl.find("^GFA,", at + 1)) {
                const std::size_t data =
                    zpl.find(',', zpl.find(',', zpl.find(',', at + 5) + 1) + 1) + 1;
                plain += 2 * std::stoul(zpl.substr(at + 5)) - (zpl.find("^FS", data) - data);
            }
            const double share =
                100.0 * static_cast<double>(zpl.size()) / static_cast<double>(plain);
            const std::string name =
                example.name + " " + std::string(zplCompressionName(compression));
            std::cout << name << ": " << zpl.size() << " of " << plain << " bytes of plain hex, "
                      << share << " %\n";
            ::testing::Test::RecordProperty(name, std::to_string(share));
            EXPECT_LE(share, compression == ZplCompression::Ascii ? 16.0 : 8.0) << name;
        }
    }
}

TEST(PrinterLanguage, ReaderFaults) {
    std::string z64;
    appendZ64(z64, reinterpret_cast<const std::uint8_t*>("\xF0\xF0"), 2);
    const struct {
        const char* why;
        PrinterLanguage language;
        std::string bytes;
        std::size_t pages;
        std::string problem;
    } cases[] = {
        {"unknown ESC/POS command, the page still printed", PrinterLanguage::EscPos,
         fromHex("1B40 1B07 1D763000 0100 0100 80 1D5600"), 1, "byte 2: unknown command ESC 0x07"},
        {"band cut short by the end of the stream", PrinterLanguage::EscPos,
         fromHex("1D763000 0200 0300 FFFF"), 0, "byte 0: GS v 0 band cut short after 2 of 6 bytes"},
        {"band too wide", PrinterLanguage::EscPos, fromHex("1D763000 FFFF 0200"), 0,
         "byte 0: GS v 0 band of 524,280 x 2 dots refused: at most 4,096 each way"},
        {"unknown ZPL command, offset grouped", PrinterLanguage::Zpl,
         "^XA^PW8^LL1" + std::string(1223, ' ') + "^ZZ^XZ", 1, "byte 1,234: unknown command ^ZZ"},
        {"Z64 whose CRC is not its own", PrinterLanguage::Zpl,
         "^XA^FO0,0^GFA,2,2,2," + z64.substr(0, z64.size() - 4) + "0000^FS^XZ", 1,
         "byte 9: ^GF: the CRC 0000 is not that of the data (" + z64.substr(z64.size() - 4) + ")"},
        {"huge label width", PrinterLanguage::Zpl, "^XA^PW99999^LL8^XZ", 0,
         "byte 3: ^PW 99,999 refused: at most 4,096 dots"},
        {"huge graphic field", PrinterLanguage::Zpl, "^XA^GFA,9999999,9999999,2,FF^FS^XZ", 0,
         "byte 3: ^GF of 16 x 5,000,000 dots refused: at most 4,096 each way"},
        {"ZPL darkness past 30, the label still printed", PrinterLanguage::Zpl,
         "~SD31^XA^PW8^LL1^XZ", 1, "byte 0: ~SD refused: a darkness of 0 to 30"},
        {"TSPL command it does not read, the label still printed", PrinterLanguage::Tspl,
         "SIZE 1 mm,1 mm\r\nTEXT 0,0,\"1\",0,1,1,\"A\"\r\nPRINT 1\r\n", 1,
         "byte 16: unknown command TEXT"},
        {"TSPL bitmap cut short by the end of the stream: nothing drawn, nothing printed",
         PrinterLanguage::Tspl, "SIZE 2 mm,1 mm\r\nCLS\r\nBITMAP 0,0,2,2,0,\xFF", 0,
         "byte 21: BITMAP data cut short after 1 of 4 bytes"},
        {"TSPL label too big", PrinterLanguage::Tspl, "SIZE 999 mm,10 mm\r\n", 0,
         "byte 0: SIZE of 7,992 x 80 dots refused: at most 4,096 each way"},
        {"TSPL bitmap too wide: its data skipped, not read as commands", PrinterLanguage::Tspl,
         "BITMAP 0,0,9999,2,0," + std::string(19998, '\n') + "SIZE 1 mm,1 mm\r\nPRINT 1\r\n", 1,
         "byte 0: BITMAP of 79,992 x 2 dots refused: at most 4,096 each way"},
        {"TSPL copies past the limit", PrinterLanguage::Tspl, "SIZE 1 mm,1 mm\r\nPRINT 99999\r\n",
         0, "byte 16: PRINT 99999 refused: 1 to 9,999 labels and copies"},
        {"TSPL drawn, never printed", PrinterLanguage::Tspl,
         "SIZE 1 mm,1 mm\r\nBITMAP 0,0,1,1,0,\x00\r\n"s, 0,
         "byte 16: BITMAP without PRINT: the label is not printed"},
        {"a line of junk without a line end", PrinterLanguage::Tspl, std::string(5000, 'x'), 0,
         "byte 0: line longer than 4,096 bytes skipped"},
        {"EPL2 command it does not read, the label still printed", PrinterLanguage::Epl2,
         "N\nq8\nQ1,24\nA10,10,0,1,1,1,N,\"X\"\nP1\n", 1, "byte 11: unknown command A1"},
        {"EPL2 graphic too wide", PrinterLanguage::Epl2, "GW0,0,600,1," + std::string(600, 'x'), 0,
         "byte 0: GW of 4,800 x 1 dots refused: at most 4,096 each way"},
        {"EPL2 graphic on a last line without its line end: its data cut short",
         PrinterLanguage::Epl2, "N\nq16\nGW0,0,2,20", 0,
         "byte 6: GW data cut short after 0 of 40 bytes"},
        {"EPL2 print of nothing", PrinterLanguage::Epl2, "N\r\nP1\r\n", 0,
         "byte 3: P without q and Q or a picture: nothing to print"},
    };
    for (const auto& c : cases) {
        const ReadOutcome outcome = readBack(c.language, c.bytes, 5);
        EXPECT_EQ(outcome.pages.size(), c.pages) << c.why;
        ASSERT_EQ(outcome.problems.size(), 1u) << c.why << ": " << outcome.problems.back();
        EXPECT_EQ(outcome.problems[0], c.problem) << c.why;
    }
}

// A line too long to hold is dropped to its own line end and no further:
// the commands and the labels after it are read as if it had not come,
// whatever pieces the stream arrives in.
TEST(PrinterLanguage, ALineTooLongSpoilsOnlyItself) {
    const std::string tooLong(5000, 'x');
    const std::string held(kMaxCommandLineBytes, 'x');
    // A 16-dot label with its first dot black (a 0 bit prints).
    const std::string tspl = "SIZE 2 mm,1 mm\r\nCLS\r\nBITMAP 0,0,2,1,0,\x7F\xFF\r\nPRINT 1\r\n";
    const std::string epl2 = "N\nq16\nQ2,24\nGW0,0,2,1,\x7F\xFF\nP1\n";
    const std::string skipped = "line longer than 4,096 bytes skipped";
    const struct {
        const char* why;
        PrinterLanguage language;
        std::string bytes;
        int pages;
        int height; // of each page
        std::vector<std::string> problems;
    } cases[] = {
        {"TSPL: a label after the line", PrinterLanguage::Tspl, tooLong + "\r\n" + tspl, 1, 8,
         {"byte 0: " + skipped}},
        {"TSPL: two lines in a row, then two labels", PrinterLanguage::Tspl,
         tooLong + "\r\n" + tooLong + "\n" + tspl + tspl, 2, 8,
         {"byte 0: " + skipped, "byte 5,002: " + skipped}},
        {"TSPL: between two labels", PrinterLanguage::Tspl, tspl + tooLong + "\r\n" + tspl, 2, 8,
         {"byte 51: " + skipped}},
        {"TSPL: the longest line held is read, and is no command", PrinterLanguage::Tspl,
         held + "\n" + tspl, 1, 8, {"byte 0: unknown command XXXXXXXXXXXXXXXXXXXX"}},
        {"TSPL: the longest line held, its carriage return counted", PrinterLanguage::Tspl,
         held.substr(1) + "\r\n" + tspl, 1, 8, {"byte 0: unknown command XXXXXXXXXXXXXXXXXXXX"}},
        {"TSPL: one byte more is dropped", PrinterLanguage::Tspl, held + "x\n" + tspl, 1, 8,
         {"byte 0: " + skipped}},
        {"EPL2: a label after the line", PrinterLanguage::Epl2, tooLong + "\n" + epl2, 1, 2,
         {"byte 0: " + skipped}},
        {"EPL2: two lines in a row, then two labels", PrinterLanguage::Epl2,
         tooLong + "\r\n" + tooLong + "\r\n" + epl2 + epl2, 2, 2,
         {"byte 0: " + skipped, "byte 5,002: " + skipped}},
        {"EPL2: between two labels", PrinterLanguage::Epl2, epl2 + tooLong + "\n" + epl2, 2, 2,
         {"byte 28: " + skipped}},
    };
    for (const auto& c : cases) {
        for (const std::size_t piece : {std::size_t{1}, std::size_t{5}, std::size_t{4097},
                                        c.bytes.size()}) {
            SCOPED_TRACE(std::string(c.why) + ", pieces of " + std::to_string(piece));
            const ReadOutcome outcome = readBack(c.language, c.bytes, piece);
            EXPECT_EQ(outcome.problems, c.problems);
            ASSERT_EQ(outcome.pages.size(), static_cast<std::size_t>(c.pages));
            for (const PrintedPage& page : outcome.pages) {
                EXPECT_EQ(page.picture.width, 16);
                EXPECT_EQ(page.picture.height, c.height);
                std::vector<std::pair<int, int>> black;
                for (int y = 0; y < page.picture.height; ++y)
                    for (int x = 0; x < page.picture.width; ++x)
                        if (page.picture.dot(x, y))
                            black.emplace_back(x, y);
                EXPECT_EQ(black, (std::vector<std::pair<int, int>>{{0, 0}}));
            }
        }
    }
}

// What drivers send around a label: units and line ends of their own, commands that leave
// the picture as it is, settings that stay for the next label.
TEST(PrinterLanguage, ReadersTakeWhatDriversSend) {
    const struct {
        const char* why;
        PrinterLanguage language;
        std::string bytes;
        std::vector<std::string> settings; // of each page
        int width;
        int height;
        std::vector<std::pair<int, int>> black; // every black dot of the last page
    } cases[] = {
        {"TSPL in inches, line feeds alone, lower case, a reference point, a 0.12 inch gap",
         PrinterLanguage::Tspl,
         "size 0.5,0.25\nset tear on\ncodepage 1252\ngap 0.12,0\nreference 2,1\n"
         "offset 0 mm\ncls\nbitmap 3,0,1,1,0,\x7F\nprint 1\n"s,
         {"gap 3 mm"},
         102,
         51,
         {{5, 1}}},
        {"TSPL: settings stay for the next label, CLS clears, OR and XOR draw over",
         PrinterLanguage::Tspl,
         "SIZE 16 dot,2 dot\r\nDENSITY 12\r\nSPEED 1.5\r\nCLS\r\nPRINT 1\r\n"
         "CLS\r\nBITMAP 0,0,1,1,1,\x0F\r\nBITMAP 2,0,1,1,2,\x0F\r\nPRINT 1\r\n"s,
         {"density 12, speed 1.5", "density 12, speed 1.5"},
         16,
         2,
         // 0 bits print: dots 0 to 3, then 2 to 5 turned.
         {{0, 0}, {1, 0}, {4, 0}, {5, 0}}},
        {"EPL2: the graphic after its own line end, options, character set, reference point",
         PrinterLanguage::Epl2,
         "\nI8,A,001\nOD\nJF\nZT\nR1,0\nq16\nQ2,B24+16\nN\nGW8,1,1,1\n\x7F\nP1,2\n"s,
         {"black mark 3 mm", "black mark 3 mm"},
         16,
         2,
         {{9, 1}}},
    };
    for (const auto& c : cases) {
        const ReadOutcome outcome = readBack(c.language, c.bytes, 3);
        EXPECT_TRUE(outcome.problems.empty()) << c.why << ": " << outcome.problems.front();
        ASSERT_EQ(outcome.pages.size(), c.settings.size()) << c.why;
        for (std::size_t i = 0; i < c.settings.size(); ++i)
            EXPECT_EQ(outcome.pages[i].settings, c.settings[i]) << c.why;
        const DotPicture& page = outcome.pages.back().picture;
        EXPECT_EQ(page.width, c.width) << c.why;
        EXPECT_EQ(page.height, c.height) << c.why;
        std::vector<std::pair<int, int>> black;
        for (int y = 0; y < page.height; ++y)
            for (int x = 0; x < page.width; ++x)
                if (page.dot(x, y))
                    black.emplace_back(x, y);
        EXPECT_EQ(black, c.black) << c.why;
    }
}

// Pictures placed at any dot, as the readers put a label together.
TEST(PrinterLanguage, LabelImageModes) {
    const auto picture = [](std::uint8_t bits) {
        DotPicture one(8, 1);
        one.bits[0] = bits;
        return one;
    };
    const struct {
        const char* why;
        LabelImage::Mode mode;
        int x;
        std::uint16_t expected; // the 16 dots of the label's row
    } cases[] = {
        // Written out by hand, dot 0 the high bit; the label's 14 dots end at bit 2.
        {"overwrite across a byte: its white dots clear the black under them",
         LabelImage::Mode::Overwrite, 3, 0b1111'1110'0001'1100},
        {"or keeps the black under its white", LabelImage::Mode::Or, 3, 0b1111'1111'1111'1100},
        {"xor turns the dots under its black", LabelImage::Mode::Xor, 3, 0b1110'0001'1111'1100},
        {"xor at the edge: what falls past it is cut off", LabelImage::Mode::Xor, 10,
         0b1111'1111'1100'0000},
    };
    for (const auto& c : cases) {
        LabelImage image;
        ASSERT_TRUE(image.draw(
            0, 0,
            [] {
                DotPicture black(16, 1);
                black.bits = {0xFF, 0xFF};
                return black;
            }(),
            LabelImage::Mode::Or));
        // 1111 0000 from dot x on.
        ASSERT_TRUE(image.draw(c.x, 0, picture(0xF0), c.mode));
        const DotPicture label = image.compose(14, 1);
        ASSERT_EQ(label.width, 14);
        const auto row = static_cast<std::uint16_t>(label.bits[0] << 8 | label.bits[1]);
        EXPECT_EQ(row, c.expected) << c.why;
    }
}

} // namespace
} // namespace quillset
