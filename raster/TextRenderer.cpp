#include "raster/TextRenderer.h"

#include "model/StyledText.h"
#include "raster/PageRaster.h"
#include "raster/PrinterFont.h"

#include <algorithm>
#include <utility>

namespace quillset {
namespace {

constexpr int kMaxLineChars = 200;
constexpr int kMaxLines = 200;
constexpr std::uint8_t kLineFeed = 10;

// Past the field's end the text reads as zero, as at its terminator.
std::uint8_t charAt(const StyledText& text, int pos) {
    return pos >= 0 && pos < static_cast<int>(kFieldSize)
               ? static_cast<std::uint8_t>(text.chars[static_cast<std::size_t>(pos)])
               : 0;
}

std::uint8_t attrAt(const StyledText& text, int pos) {
    return text.attrs[static_cast<std::size_t>(pos)];
}

bool endsLine(std::uint8_t c) {
    return c == 0 || c == kLineFeed;
}

// Whether any dot of a cell `width` x `height` with the pen at (penX, penY)
// falls on the page (see GlyphCanvas::blit for where the cells go).
bool cellOnPage(const PageRaster& raster, int penX, int penY, int width, int height, int angle) {
    int left = penX;
    int top = penY - height;
    int across = width;
    int down = height;
    switch (angle) {
    case 1:
        left = penX - height;
        top = penY - width + 1;
        std::swap(across, down);
        break;
    case 2:
        left = penX - width + 1;
        top = penY + 1;
        break;
    case 3:
        left = penX + 1;
        top = penY;
        std::swap(across, down);
        break;
    default:
        break;
    }
    return left < raster.dotLimitX() && left + across > 0 && top < raster.usableRows() &&
           top + down > 0;
}

// The cell width of one character, after double width.
int advance(const PrinterFont& font, std::uint8_t attribute) {
    const int cell = std::min<int>(font.width, GlyphCanvas::kMaxColumns / 2);
    return (attribute & attr::kDoubleWidth) ? 2 * cell : cell;
}

// The cell height of one character, after double height.
int cellHeight(const PrinterFont& font, std::uint8_t attribute) {
    const int cell = std::min<int>(font.height, GlyphCanvas::kMaxRows / 2);
    return (attribute & attr::kDoubleHeight) ? 2 * cell : cell;
}

// The directions of a text at each angle: along its lines, as the pen
// advances, and across them, from one line to the next. Any other angle
// is drawn as 0.
struct TextDirections {
    int alongX, alongY;
    int acrossX, acrossY;
};

constexpr TextDirections kDirections[] = {
    {1, 0, 0, 1},
    {0, -1, 1, 0},
    {-1, 0, 0, -1},
    {0, 1, -1, 0},
};

const TextDirections& directionsAt(int angle) {
    return kDirections[angle >= 1 && angle <= 3 ? angle : 0];
}

} // namespace

void TextRenderer::DrawGlyph(PageRaster& raster, int& penX, int& penY, std::uint8_t character,
                             std::uint8_t attribute, std::int16_t colour, int angle) {
    const PrinterFont& font = fonts_.lookup(attribute);
    const int width = advance(font, attribute);
    if (angle != 1 && angle != 3 && GlyphCanvas::fitsNarrow(font, attribute)) {
        GlyphCanvas::drawNarrow(raster, font, character, attribute, penX, penY, colour,
                                angle == 2);
    } else if (cellOnPage(raster, penX, penY, width, cellHeight(font, attribute), angle)) {
        // A cell wholly off the page would only have its dots skipped one by one.
        drawWide(raster, penX, penY, character, attribute, colour, angle);
    }
    advancePen(penX, penY, width, angle);
}

void TextRenderer::drawWide(PageRaster& raster, int penX, int penY, std::uint8_t character,
                            std::uint8_t attribute, std::int16_t colour, int angle) {
    canvas_.load(fonts_.lookup(attribute), character);
    if (attribute & attr::kBold) {
        canvas_.embolden();
    }
    if (attribute & attr::kDoubleWidth) {
        canvas_.doubleWidth();
    }
    if (attribute & attr::kDoubleHeight) {
        canvas_.doubleHeight();
    }
    if (attribute & attr::kUnderline) {
        canvas_.underline();
    }
    canvas_.blit(raster, penX, penY, colour, angle);
}

void TextRenderer::advancePen(int& penX, int& penY, int width, int angle) {
    const TextDirections& d = directionsAt(angle);
    penX += d.alongX * width;
    penY += d.alongY * width;
}

void TextRenderer::DrawTextLine(PageRaster& raster, int& penX, int& penY, std::int16_t colour,
                                int angle, const StyledText& text, int& pos) {
    for (int n = 0; n < kMaxLineChars && !endsLine(charAt(text, pos)); ++n, ++pos) {
        DrawGlyph(raster, penX, penY, charAt(text, pos), attrAt(text, pos), colour, angle);
    }
}

std::int16_t TextRenderer::LineHeight(const StyledText& text, int pos) const {
    int height = 0;
    for (int n = 0; n < kMaxLineChars && !endsLine(charAt(text, pos)); ++n, ++pos) {
        const std::uint8_t attribute = attrAt(text, pos);
        const int cell = fonts_.lookup(attribute).height;
        height = std::max(height, (attribute & attr::kDoubleHeight) ? 2 * cell : cell);
    }
    return static_cast<std::int16_t>(height);
}

void TextRenderer::DrawTextBlock(PageRaster& raster, int x, int y, std::int16_t colour, int angle,
                                 const StyledText& text) {
    const TextDirections& d = directionsAt(angle);
    const bool upright = d.alongX == 0;
    int penX = x;
    int penY = y;
    textExtentX = 0;
    textExtentY = 0;
    int pos = 0;
    for (int line = 0; line < kMaxLines; ++line) {
        const int h = LineHeight(text, pos);
        penX += d.acrossX * h;
        penY += d.acrossY * h;
        if (upright)
            penY = y;
        else
            penX = x;
        DrawTextLine(raster, penX, penY, colour, angle, text, pos);
        // The line's length, kept in 16 bits as the printer keeps it.
        const auto length =
            static_cast<std::int16_t>(d.alongX * (penX - x) + d.alongY * (penY - y));
        std::int32_t& along = upright ? textExtentY : textExtentX;
        along = std::max<std::int32_t>(along, length);
        (upright ? textExtentX : textExtentY) += h;
        if (charAt(text, pos) == 0) {
            break;
        }
        ++pos;
    }
}

void TextRenderer::measureTextBlock(int angle, const StyledText& text) {
    int along = 0;
    int across = 0;
    int pos = 0;
    for (int line = 0; line < kMaxLines; ++line) {
        across += LineHeight(text, pos);
        int length = 0;
        for (int n = 0; n < kMaxLineChars && !endsLine(charAt(text, pos)); ++n, ++pos) {
            const std::uint8_t attribute = attrAt(text, pos);
            length += advance(fonts_.lookup(attribute), attribute);
        }
        along = std::max<int>(along, static_cast<std::int16_t>(length));
        if (charAt(text, pos) == 0) {
            break;
        }
        ++pos;
    }
    const bool upright = angle == 1 || angle == 3;
    textExtentX = upright ? across : along;
    textExtentY = upright ? along : across;
}

TextBox TextBounds(int x, int y, int angle, int extentY, int extentX) {
    switch (angle) {
    case 1:
        return {x, y - extentY, x + extentX, y};
    case 2:
        return {x - extentX, y - extentY, x, y};
    case 3:
        return {x - extentX, y, x, y + extentY};
    default:
        return {x, y, x + extentX, y + extentY};
    }
}

} // namespace quillset
