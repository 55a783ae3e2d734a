#pragma once

#include "font/FontCatalog.h"
#include "font/FontFaces.h"
#include "font/FontTextLayout.h"

#include <string>
#include <vector>

struct hb_buffer_t;

namespace quillset {

// Lays a font text out as a program that sets type does: the text made NFC,
// each character given the face that has it (the family's own, else the
// one fontconfig prefers after it), the right-to-left runs ordered by the
// Unicode bidirectional algorithm, each run shaped by HarfBuzz (ligatures,
// marks, joining, reordering), the lines aligned, and the whole shrunk a
// dot of size at a time while a line is wider than the width asked for.
// Not thread-safe: FontEngine guards it.
class FontTextLayouter {
public:
    FontTextLayouter(FontCatalog& catalog, FontFaces& faces);
    ~FontTextLayouter();
    FontTextLayouter(const FontTextLayouter&) = delete;
    FontTextLayouter& operator=(const FontTextLayouter&) = delete;

    FontTextLayout lay(const FontTextRequest& request);

private:
    struct Prepared;
    struct Line {
        std::vector<PlacedGlyph> glyphs; // pens from the line's start, on its baseline
        int advance = 0;
    };
    void prepare(const FontTextRequest& request, Prepared& text, FontTextLayout& out);
    FaceStyle faceFor(char32_t character, const FaceStyle& previous, Prepared& text);
    Line shapeLine(const Prepared& text, int start, int end, int size);
    void shapeRun(const Prepared& text, int lineStart, int lineEnd, int from, int to, bool rtl,
                  int size, long& pen, Line& line);

    FontCatalog& catalog_;
    FontFaces& faces_;
    hb_buffer_t* buffer_;
};

} // namespace quillset
