#pragma once

#include "font/FontFaces.h"

#include <string>
#include <tuple>
#include <vector>

namespace quillset {

// What a font text asks for, as its statement gives it.
struct FontTextRequest {
    std::string family; // UTF-8; empty: the default family
    std::string text;   // UTF-8; a line feed starts a new line
    int size = 0;
    int style = 0;
    int align = 0;
    int width = 0;
    friend bool operator==(const FontTextRequest&, const FontTextRequest&) = default;
    friend bool operator<(const FontTextRequest& a, const FontTextRequest& b) {
        return std::tie(a.family, a.text, a.size, a.style, a.align, a.width) <
               std::tie(b.family, b.text, b.size, b.style, b.align, b.width);
    }
};

// One glyph where it stands: its pen on the baseline, in dots from the
// text's box's top-left corner, upright.
struct PlacedGlyph {
    FaceStyle face;
    unsigned glyph = 0;
    int x = 0;
    int y = 0;
};

// A bar drawn under a line: from (x, y), `length` across and `thickness`
// down, upright.
struct UnderlineBar {
    int x = 0;
    int y = 0;
    int length = 0;
    int thickness = 0;
};

// A font text laid out: its glyphs in their places and the box they stand
// in, upright, with what the user should know of it.
struct FontTextLayout {
    int width = 0;  // the box: the widest line, or the width asked for
    int height = 0; // the first line's ascent to the last one's descent
    int size = 0;   // the size drawn, smaller than asked when shrunk to fit
    std::vector<PlacedGlyph> glyphs;
    std::vector<UnderlineBar> underlines;
    std::string familyUsed; // the family of the text's own face
    std::string note;       // a family not installed, and what drew instead
    std::vector<std::string> missing; // characters no installed font has, UTF-8, each once
    bool fits = true;       // false: wider than `width` even at the smallest size
};

} // namespace quillset
