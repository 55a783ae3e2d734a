#include "RecordingReporter.h"
#include "document/FolioSession.h"
#include "document/PrinterBytes.h"
#include "language/EscPosEncoder.h"
#include "language/LanguageReader.h"
#include "language/PrinterLanguage.h"
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
        std::size_t piece; // bytes the reader gets at a time
    } cases[] = {
        {"ESC/POS in whole bands", {.language = PrinterLanguage::EscPos}, 1 << 20},
        {"ZPL ASCII hex, a byte at a time", {.language = PrinterLanguage::Zpl}, 1},
        {"ZPL Z64", {.language = PrinterLanguage::Zpl, .zplCompression = ZplCompression::Z64}, 97},
        {"bands of 7 rows and two copies",
         {.language = PrinterLanguage::EscPos,
          .bandRows = 7,
          .feedLines = 4,
          .cut = true,
          .copies = 2},
         13},
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
            for (const PrintedPage& read : outcome.pages)
                EXPECT_TRUE(sameDots(read.picture.view(), page)) << example.name << ", " << c.why;
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

TEST(PrinterLanguage, SmallPicturesByteForByte) {
    // 16 x 3 dots: two rows FF 0F, then a blank row.
    const std::uint8_t bits[] = {0xFF, 0x0F, 0xFF, 0x0F, 0x00, 0x00};
    const DotPictureView picture{bits, 16, 3, 2};
    const struct {
        const char* why;
        LanguageOptions options;
        std::string bytes; // hex for ESC/POS, text for ZPL
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
    };
    for (const auto& c : cases) {
        if (c.options.language == PrinterLanguage::EscPos)
            EXPECT_EQ(encodeEscPos(picture, c.options), fromHex(c.bytes)) << c.why;
        else
            EXPECT_EQ(encodeZpl(picture, c.options), c.bytes) << c.why;
    }
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
    };
    for (const auto& c : cases) {
        const ReadOutcome outcome = readBack(c.language, c.bytes, 5);
        EXPECT_EQ(outcome.pages.size(), c.pages) << c.why;
        ASSERT_EQ(outcome.problems.size(), 1u) << c.why;
        EXPECT_EQ(outcome.problems[0], c.problem) << c.why;
    }
}

} // namespace
} // namespace quillset
