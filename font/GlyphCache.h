#pragma once

#include "font/FontFaces.h"

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <memory>
#include <tuple>
#include <vector>

namespace quillset {

// A glyph as one-bit dots: row r begins at byte r * rowBytes(), dot c of it
// is bit 0x80 >> (c % 8) of byte c / 8. `left` is the first column's
// distance right of the pen, `top` the first row's height above the
// baseline.
struct GlyphDots {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;

    int rowBytes() const { return (width + 7) / 8; }
    bool black(int column, int row) const {
        return (rows[static_cast<std::size_t>(row * rowBytes() + column / 8)] &
                (0x80 >> (column % 8))) != 0;
    }
};

// How much wider a stroke and an advance become when a face is made bold
// by drawing, in 26.6 dots: a 24th of the em, at least a whole dot so that
// small text shows it.
long emboldening(int size);

// The glyphs drawn so far, each drawn once by FreeType, hinted for one-bit
// dots. The least recently used go first when their dots pass `limitBytes`;
// a glyph in use is held by its pointer, so dropping it never frees dots a
// caller draws. Not thread-safe: FontEngine guards it.
class GlyphCache {
public:
    GlyphCache(FontFaces& faces, std::size_t limitBytes);

    std::shared_ptr<const GlyphDots> glyph(const FaceStyle& style, unsigned glyph, int size);
    std::size_t bytes() const { return bytes_; }
    std::size_t count() const { return entries_.size(); }
    void clear();

private:
    using Key = std::tuple<int, bool, bool, unsigned, int>;
    std::shared_ptr<const GlyphDots> draw(const FaceStyle& style, unsigned glyph, int size);

    FontFaces& faces_;
    std::size_t limitBytes_;
    std::size_t bytes_ = 0;
    using Entry = std::pair<Key, std::shared_ptr<const GlyphDots>>;
    std::list<Entry> entries_; // most recently used first
    std::map<Key, std::list<Entry>::iterator> index_;
};

} // namespace quillset
