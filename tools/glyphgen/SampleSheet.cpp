#include "SampleSheet.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace glyphgen {
namespace {

// The font table as the engine fills it; font 0 draws as font 3.
struct Font {
    int width, height, skip, bytesPerRow, table, glyphCount;
};
constexpr Font kFonts[16] = {
    {10, 23, 5, 2, 6, 256},  {16, 23, 0, 2, 8, 256},  {12, 23, 4, 2, 7, 256},
    {10, 23, 5, 2, 6, 256},  {9, 23, 7, 2, 5, 256},   {8, 23, 0, 1, 4, 256},
    {20, 23, 0, 3, 3, 384},  {10, 23, 5, 2, 1, 256},  {10, 23, 5, 2, 2, 256},
    {10, 18, 5, 2, 2, 256},  {48, 80, 0, 6, 9, 128},  {8, 23, 0, 1, 10, 256},
    {9, 23, 7, 2, 11, 256},  {10, 23, 5, 2, 12, 256}, {12, 23, 4, 2, 13, 256},
    {16, 23, 0, 2, 14, 256},
};

constexpr int kWidth = 1000;
constexpr int kMargin = 8;

class Sheet {
public:
    explicit Sheet(const std::vector<std::vector<std::uint8_t>>& tables)
        : tables_(tables) {}

    // Draws one character with its bottom-left corner at the pen, as the page does.
    void glyph(const Font& f, int code, int penX, int penY, bool tint) {
        const int rowsStored = f.bytesPerRow == 6 ? 80 : 23;
        for (int r = 0; r < f.height; ++r) {
            for (int c = 0; c < f.width; ++c) {
                bool dot = false;
                if (code < f.glyphCount) {
                    const std::uint8_t* row =
                        tables_[static_cast<std::size_t>(f.table - 1)].data() +
                        (code * rowsStored + r) * f.bytesPerRow;
                    dot = dotAt(f, row, c);
                }
                const std::uint8_t shade = dot ? 0 : tint ? 232 : 255;
                put(penX + c, penY - f.height + r, shade);
            }
        }
    }

    void text(const Font& f, const std::string& s, int x, int& y) {
        y += f.height;
        int penX = x;
        for (unsigned char ch : s) {
            if (ch == '\n') {
                y += f.height;
                penX = x;
                continue;
            }
            glyph(f, ch, penX, y, false);
            penX += f.width;
        }
    }

    void grid(const Font& f, int first, int last, int perLine, int x, int& y) {
        for (int code = first; code <= last; ++code) {
            const int i = code - first;
            if (i % perLine == 0) {
                y += f.height;
            }
            const int col = i % perLine;
            glyph(f, code, x + col * f.width, y, (col + (i / perLine)) % 2 == 1);
        }
    }

    void write(const std::string& path, int height) {
        pixels_.resize(static_cast<std::size_t>(kWidth * height), 255);
        FILE* file = std::fopen(path.c_str(), "wb");
        if (file == nullptr) {
            throw std::runtime_error("cannot write " + path);
        }
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        png_init_io(png, file);
        png_set_IHDR(png, info, kWidth, static_cast<png_uint_32>(height), 8, PNG_COLOR_TYPE_GRAY,
                     PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int y = 0; y < height; ++y) {
            png_write_row(png, &pixels_[static_cast<std::size_t>(y * kWidth)]);
        }
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
    }

private:
    static bool dotAt(const Font& f, const std::uint8_t* row, int c) {
        switch (f.bytesPerRow) {
        case 1:
            return f.skip + c < 8 && (row[0] & (0x80 >> (f.skip + c))) != 0;
        case 2:
            return f.skip + c < 16 && ((row[0] << 8 | row[1]) & (0x8000 >> (f.skip + c))) != 0;
        case 3:
            return f.skip + c < 16 && ((row[1] << 8 | row[2]) & (0x8000 >> (f.skip + c))) != 0;
        default:
            return c < 48 && (row[c / 8] & (0x80 >> (c % 8))) != 0;
        }
    }

    void put(int x, int y, std::uint8_t shade) {
        if (x < 0 || x >= kWidth || y < 0) {
            return;
        }
        const auto i = static_cast<std::size_t>(y * kWidth + x);
        if (pixels_.size() <= i) {
            pixels_.resize(static_cast<std::size_t>((y + 1) * kWidth), 255);
        }
        pixels_[i] = shade;
    }

    const std::vector<std::vector<std::uint8_t>>& tables_;
    std::vector<std::uint8_t> pixels_;
};

} // namespace

void writeSampleSheet(const std::vector<std::vector<std::uint8_t>>& tables,
                      const std::string& path) {
    Sheet sheet(tables);
    const Font& label = kFonts[3];
    int y = kMargin;
    for (int n = 0; n < 16; ++n) {
        const Font& f = kFonts[n];
        char caption[64];
        std::snprintf(caption, sizeof caption, "Font %d: G%d, %d x %d", n, f.table, f.width,
                      f.height);
        sheet.text(label, caption, kMargin, y);
        y += 4;
        const bool large = f.bytesPerRow == 6;
        sheet.grid(f, 32, large ? 127 : 255, large ? 16 : 32, kMargin, y);
        y += 4;
        sheet.text(f,
                   large ? "Price 12.50"
                         : "The quick brown fox jumps over the lazy dog.\n"
                           "0123456789 $12.50 (x+y)*z <a@b.c> {q|j}",
                   kMargin, y);
        if (!large) {
            // Box lines, shades and blocks, which must meet across cells.
            sheet.text(
                f,
                "\xC9\xCD\xCD\xCB\xCD\xCD\xBB \xDA\xC4\xC4\xC2\xC4\xC4\xBF "
                "\xD5\xCD\xD1\xCD\xB8 \xD6\xC4\xD2\xC4\xB7 \xB0\xB0\xB1\xB1\xB2\xB2\xDB\xDB\n"
                "\xBA\x41\x42\xBA\x43\x44\xBA \xB3\x41\x42\xB3\x43\x44\xB3 "
                "\xB3\x31\xB3\x32\xB3 \xBA\x31\xBA\x32\xBA \xB0\xB0\xB1\xB1\xB2\xB2\xDB\xDB\n"
                "\xCC\xCD\xCD\xCE\xCD\xCD\xB9 \xC3\xC4\xC4\xC5\xC4\xC4\xB4 "
                "\xC6\xCD\xD8\xCD\xB5 \xC7\xC4\xD7\xC4\xB6 \xDC\xDC\xDF\xDF\xDD\xDE\xDD\xDE\n"
                "\xC8\xCD\xCD\xCA\xCD\xCD\xBC \xC0\xC4\xC4\xC1\xC4\xC4\xD9 "
                "\xD4\xCD\xCF\xCD\xBE \xD3\xC4\xD0\xC4\xBD \x84\x94\x81\x8E\x99\x9A\xE1 "
                "\x8F\x80\x87\xA5 \xE0\xE3\xEA\xE6",
                kMargin, y);
        }
        y += 16;
    }
    sheet.write(path, y + kMargin);
}

} // namespace glyphgen
