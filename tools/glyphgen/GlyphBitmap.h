#pragma once

#include <cstdint>
#include <vector>

namespace glyphgen {

// One glyph as dots, row 0 at the top, before it is packed into table rows.
class GlyphBitmap {
public:
    GlyphBitmap() = default;
    GlyphBitmap(int width, int height)
        : width_(width)
        , height_(height)
        , dots_(static_cast<std::size_t>(width * height)) {}

    int width() const { return width_; }
    int height() const { return height_; }

    bool at(int x, int y) const {
        return x >= 0 && y >= 0 && x < width_ && y < height_ && dots_[index(x, y)] != 0;
    }
    // Dots outside the bitmap are dropped.
    void set(int x, int y, bool black = true) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) {
            dots_[index(x, y)] = black ? 1 : 0;
        }
    }
    void fill(int x0, int y0, int x1, int y1, bool black = true);

    bool empty() const;
    // The rows and columns that hold set dots; all -1 when empty.
    struct Ink {
        int left = -1, top = -1, right = -1, bottom = -1;
    };
    Ink ink() const;

private:
    std::size_t index(int x, int y) const { return static_cast<std::size_t>(y * width_ + x); }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> dots_;
};

} // namespace glyphgen
