#include "tests/support/WrittenTextRenderer.h"

#include "model/StyledText.h"
#include "raster/PageRaster.h"
#include "raster/PrinterFont.h"

#include <algorithm>

namespace quillset::testing {
namespace {

std::uint8_t charAt(const StyledText& text, int pos) {
    return pos < static_cast<int>(kFieldSize)
               ? static_cast<std::uint8_t>(text.chars[static_cast<std::size_t>(pos)])
               : 0;
}

// Whether column c of glyph row `row` is set, read by the row's byte count.
bool glyphBit(const PrinterFont& font, const std::uint8_t* row, int c) {
    switch (font.bytesPerRow) {
    case 1:
        return (row[0] & (0x80 >> (font.skip + c))) != 0;
    case 2:
        return ((row[0] << 8 | row[1]) & (0x8000 >> (font.skip + c))) != 0;
    case 3:
        return font.skip + c < 16 && ((row[1] << 8 | row[2]) & (0x8000 >> (font.skip + c))) != 0;
    default:
        return (row[c / 8] & (0x80 >> (c % 8))) != 0;
    }
}

} // namespace

WrittenTextRenderer::WrittenTextRenderer(const FontTable& fonts)
    : fonts_(fonts)
    , canvas_(std::make_unique<Canvas>()) {}

void WrittenTextRenderer::DrawGlyph(PageRaster& raster, int& penX, int& penY,
                                    std::uint8_t character, std::uint8_t attribute,
                                    std::int16_t colour, int angle) {
    Canvas& cv = *canvas_;
    const PrinterFont& font = fonts_.lookup(attribute);
    cv.height = static_cast<std::int16_t>(font.height);
    cv.width = static_cast<std::int16_t>(font.width);
    cv.skip = static_cast<std::int16_t>(font.skip);

    for (auto& row : currentPlane()) {
        row.fill(0);
    }
    const std::uint8_t* glyph = font.glyph(character);
    const int columns = font.bytesPerRow == 6 ? 48 : cv.width;
    for (int r = 0; r < cv.height && glyph != nullptr; ++r) {
        for (int c = 0; c < columns; ++c) {
            if (glyphBit(font, glyph + r * font.bytesPerRow, c)) {
                currentPlane()[r][c] = 1;
            }
        }
    }

    if (attribute & 16) {
        flip();
        for (auto& row : currentPlane()) {
            row.fill(0);
        }
        for (int r = 0; r < cv.height; ++r) {
            for (int c = 0; c < cv.width; ++c) {
                if (previousPlane()[r][c]) {
                    currentPlane()[r][c] = 1;
                    if (c > 0) {
                        currentPlane()[r][c - 1] = 1;
                    }
                }
            }
        }
    }

    const bool wide = attribute & 64;
    const bool tall = attribute & 128;
    if (wide || tall) {
        flip();
        for (int r = 0; r < cv.height; ++r) {
            for (int c = 0; c < cv.width; ++c) {
                const std::uint8_t v = previousPlane()[r][c];
                if (wide && tall) {
                    currentPlane()[2 * r][2 * c] = v;
                    currentPlane()[2 * r][2 * c + 1] = v;
                    currentPlane()[2 * r + 1][2 * c] = v;
                    currentPlane()[2 * r + 1][2 * c + 1] = v;
                } else if (wide) {
                    currentPlane()[r][2 * c] = v;
                    currentPlane()[r][2 * c + 1] = v;
                } else {
                    currentPlane()[2 * r][c] = v;
                    currentPlane()[2 * r + 1][c] = v;
                }
            }
        }
        if (wide) {
            cv.width = static_cast<std::int16_t>(cv.width * 2);
        }
        if (tall) {
            cv.height = static_cast<std::int16_t>(cv.height * 2);
        }
    }

    if (attribute & 32) {
        for (int c = 0; c < cv.width; ++c) {
            currentPlane()[cv.height - 1][c] = 1;
        }
    }

    const int h = cv.height;
    for (int r = 0; r < h; ++r) {
        for (int c = 0; c < cv.width; ++c) {
            if (!currentPlane()[r][c]) {
                continue;
            }
            switch (angle) {
            case 1:
                raster.SetDot(penX + r - h, penY - c, colour);
                break;
            case 2:
                raster.SetDot(penX - c, penY + h - r, colour);
                break;
            case 3:
                raster.SetDot(penX + h - r, penY + c, colour);
                break;
            default:
                raster.SetDot(penX + c, penY - h + r, colour);
                break;
            }
        }
    }

    switch (angle) {
    case 1:
        penY -= cv.width;
        break;
    case 2:
        penX -= cv.width;
        break;
    case 3:
        penY += cv.width;
        break;
    default:
        penX += cv.width;
        break;
    }
}

void WrittenTextRenderer::DrawTextLine(PageRaster& raster, int& penX, int& penY,
                                       std::int16_t colour, int angle, const StyledText& text,
                                       int& pos) {
    for (int n = 0; n < 200; ++n) {
        const std::uint8_t c = charAt(text, pos);
        if (c == 0 || c == 10) {
            return;
        }
        DrawGlyph(raster, penX, penY, c, text.attrs[static_cast<std::size_t>(pos)], colour, angle);
        ++pos;
    }
}

std::int16_t WrittenTextRenderer::LineHeight(const StyledText& text, int pos) const {
    int height = 0;
    for (int n = 0; n < 200; ++n, ++pos) {
        const std::uint8_t c = charAt(text, pos);
        if (c == 0 || c == 10) {
            break;
        }
        const std::uint8_t attribute = text.attrs[static_cast<std::size_t>(pos)];
        int h = fonts_.lookup(attribute).height;
        if (attribute & 128) {
            h *= 2;
        }
        height = std::max(height, h);
    }
    return static_cast<std::int16_t>(height);
}

void WrittenTextRenderer::DrawTextBlock(PageRaster& raster, int x, int y, std::int16_t colour,
                                        int angle, const StyledText& text) {
    int penX = x;
    int penY = y;
    textExtentX = 0;
    textExtentY = 0;
    int pos = 0;
    for (int line = 0; line < 200; ++line) {
        const int h = LineHeight(text, pos);
        if (angle == 1) {
            penX += h;
            penY = y;
        } else if (angle == 2) {
            penY -= h;
            penX = x;
        } else if (angle == 3) {
            penX -= h;
            penY = y;
        } else {
            penY += h;
            penX = x;
        }
        DrawTextLine(raster, penX, penY, colour, angle, text, pos);
        if (angle == 1) {
            textExtentY = std::max<std::int32_t>(textExtentY, static_cast<std::int16_t>(y - penY));
            textExtentX += h;
        } else if (angle == 2) {
            textExtentX = std::max<std::int32_t>(textExtentX, static_cast<std::int16_t>(x - penX));
            textExtentY += h;
        } else if (angle == 3) {
            textExtentY = std::max<std::int32_t>(textExtentY, static_cast<std::int16_t>(penY - y));
            textExtentX += h;
        } else {
            textExtentX = std::max<std::int32_t>(textExtentX, static_cast<std::int16_t>(penX - x));
            textExtentY += h;
        }
        if (charAt(text, pos) == 0) {
            return;
        }
        ++pos;
    }
}

} // namespace quillset::testing
