#pragma once

#include "font/FontTextLayout.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

namespace quillset {

class PageRaster;

// Where a laid-out text goes on the page: its box's top-left corner before
// turning, the colour, and the turn about that corner (0 to 3 quarter turns
// counter-clockwise).
struct FontTextPlacement {
    int x = 0;
    int y = 0;
    int colour = 1;
    int angle = 0;
};

// Text in the system's fonts, for the whole process: the catalog of
// installed fonts, the open faces, the layouts made and the glyphs drawn,
// behind one lock, so that the window, a batch on a worker thread and the
// command line share them and get the same dots. Both caches are bounded:
// layouts by count, glyphs by the bytes of their dots.
class FontEngine {
public:
    static constexpr std::size_t kLayoutLimit = 1024;
    static constexpr std::size_t kGlyphBytesLimit = 8u << 20;

    static FontEngine& shared();
    ~FontEngine();

    std::shared_ptr<const FontTextLayout> layout(const FontTextRequest& request);
    // Only the glyphs' and underlines' own dots are set (or, in colour 0,
    // cleared); whatever falls off the page is left out.
    void draw(PageRaster& raster, const FontTextPlacement& at, const FontTextLayout& text);

    // Installed families, sorted; with `coveringUtf8`, those that have each
    // of its characters.
    std::vector<std::string> families(const std::string& coveringUtf8 = {});

    struct CacheUse {
        std::size_t layouts = 0;
        std::size_t glyphs = 0;
        std::size_t glyphBytes = 0;
    };
    CacheUse cacheUse();
    // Forgets every layout and glyph made, so that the next text costs
    // what it costs the first time.
    void clearCaches();

private:
    FontEngine();
    struct State;
    std::unique_ptr<State> state_;
};

} // namespace quillset
