#pragma once

#include <array>
#include <cstdint>
#include <memory>

namespace quillset {

class FontTable;
class PageRaster;
struct StyledText;

namespace testing {

// The text renderer exactly as its algorithm is written, step by step: two
// byte-per-dot planes cleared for every glyph, one SetDot per black cell.
// Slow on purpose; the real renderer must draw the same dots.
class WrittenTextRenderer {
public:
    explicit WrittenTextRenderer(const FontTable& fonts);

    std::int32_t textExtentX = 0;
    std::int32_t textExtentY = 0;

    void DrawTextBlock(PageRaster& raster, int x, int y, std::int16_t colour, int angle,
                       const StyledText& text);
    void DrawTextLine(PageRaster& raster, int& penX, int& penY, std::int16_t colour, int angle,
                      const StyledText& text, int& pos);
    void DrawGlyph(PageRaster& raster, int& penX, int& penY, std::uint8_t character,
                   std::uint8_t attribute, std::int16_t colour, int angle);
    std::int16_t LineHeight(const StyledText& text, int pos) const;

private:
    static constexpr int kPlaneSize = 160;
    using Plane = std::array<std::array<std::uint8_t, kPlaneSize>, kPlaneSize>;
    struct Canvas {
        std::array<Plane, 2> planes{};
        std::int16_t height = 8;
        std::int16_t width = 8;
        std::int16_t skip = 0;
        std::int16_t current = 0;
    };

    Plane& currentPlane() { return canvas_->planes[static_cast<std::size_t>(canvas_->current)]; }
    Plane& previousPlane() {
        return canvas_->planes[static_cast<std::size_t>(1 - canvas_->current)];
    }
    void flip() { canvas_->current = static_cast<std::int16_t>(1 - canvas_->current); }

    const FontTable& fonts_;
    std::unique_ptr<Canvas> canvas_;
};

} // namespace testing
} // namespace quillset
