#include "TableLayouts.h"

namespace glyphgen {
namespace {

// Pinned Debian bookworm font files.
const std::string kDejaVu = "/usr/share/fonts/truetype/dejavu/";
const std::string kLiberation = "/usr/share/fonts/truetype/liberation2/";
const std::string kUrw = "/usr/share/fonts/opentype/urw-base35/";
const std::string kTerminus = "/usr/share/fonts/opentype/terminus/";

const FaceChoice kSansMono{kDejaVu + "DejaVuSansMono.ttf", Fit::Monospace};
const FaceChoice kSansMonoBold{kDejaVu + "DejaVuSansMono-Bold.ttf", Fit::Monospace};
const FaceChoice kTypewriterBold{kUrw + "NimbusMonoPS-Bold.otf", Fit::Monospace};
const FaceChoice kTerminal{kTerminus + "terminus-normal.otb", Fit::Strike};
const FaceChoice kDejaVuSerifBold{kDejaVu + "DejaVuSerif-Bold.ttf", Fit::Centred, 0.9};
const FaceChoice kSansBold{kLiberation + "LiberationSans-Bold.ttf", Fit::Centred, 0.9};
const FaceChoice kDejaVuSansBold{kDejaVu + "DejaVuSans-Bold.ttf", Fit::Centred, 0.9};

using Ranges = std::vector<std::pair<int, int>>;
const Ranges kAllBut160And255{{33, 159}, {161, 254}};
const Ranges kAllBut160{{33, 159}, {161, 255}};
const Ranges kAllBut126To127And254{{33, 125}, {128, 253}, {255, 255}};
const Ranges kAllBut127And254{{33, 126}, {128, 253}, {255, 255}};

// Families by table, and why:
//
// table font(s) cell   face
// G1    7       10x19  Nimbus Mono PS Bold: a typewriter serif, the only
//                      monospaced serif here; bold, because the regular
//                      weight's one-dot hairlines look faint beside the
//                      terminal face of G2, which shares its cell.
// G2    8, 9    10x18  Terminus 18-pixel strike: a screen font drawn for this
//                      very cell, so it needs no scaling; it fills rows 0-17
//                      and font 9, which draws 18 rows, loses nothing.
// G3    6       16x23  DejaVu Serif Bold, centred and widened: a heavy
//                      serif for headings, the one family here that is
//                      neither monospaced nor sans; the cell's four blank
//                      columns give it the letter spacing of display type.
//                      Its large x-height keeps it legible at this size.
// G4-G8 5 4 3 2 1      DejaVu Sans Mono: the house face and font 3 the default.
//               8..16  A monospace drawn for screens, hinted for small sizes,
//                      covering all of code page 437; five pitches of one
//                      design.
// G9    10      48x80  Liberation Sans Bold, centred: a large grotesque for
//                      prices and headlines, where a bold sans carries best;
//                      the tall cell makes it a condensed display face.
// G10-G14 11..15       DejaVu Sans Mono Bold: the same five pitches in a true
//               8..16  bold, for emphasis that keeps the regular fonts' widths.
//
// Box drawing, shades and blocks (176-223) are drawn by rule in every table
// so that they join across cells.
std::vector<TableLayout> makeLayouts() {
    std::vector<TableLayout> layouts;
    const auto add = [&](int number, int bytesPerRow, int glyphCount, int skip, int columns,
                         int firstRow, int lastRow, Ranges nonBlank, std::vector<FaceChoice> faces,
                         int boxWeight) {
        TableLayout t;
        t.number = number;
        t.bytesPerRow = bytesPerRow;
        t.rowsStored = bytesPerRow == 6 ? 80 : 23;
        t.glyphCount = glyphCount;
        t.skip = skip;
        t.columns = columns;
        // G3's cell already has four blank columns after the glyph's sixteen.
        t.spacing = number == 3 ? 0 : 1;
        t.firstRow = firstRow;
        t.lastRow = lastRow;
        t.nonBlank = std::move(nonBlank);
        t.faces = std::move(faces);
        t.boxWeight = boxWeight;
        layouts.push_back(std::move(t));
    };
    add(1, 2, 256, 5, 10, 0, 18, kAllBut160And255, {kTypewriterBold, kSansMonoBold}, 1);
    add(2, 2, 256, 5, 10, 0, 17, kAllBut160And255, {kTerminal, kSansMono}, 1);
    add(3, 3, 384, 0, 16, 0, 22, {{33, 159}, {161, 183}, {185, 255}},
        {kDejaVuSerifBold, kDejaVuSansBold}, 2);
    add(4, 1, 256, 0, 8, 0, 22, kAllBut126To127And254, {kSansMono}, 1);
    add(5, 2, 256, 7, 9, 0, 22, kAllBut126To127And254, {kSansMono}, 1);
    add(6, 2, 256, 5, 10, 0, 22, kAllBut127And254, {kSansMono}, 1);
    add(7, 2, 256, 4, 12, 0, 22, kAllBut127And254, {kSansMono}, 1);
    add(8, 2, 256, 0, 16, 0, 22, {{33, 126}, {128, 218}, {220, 253}, {255, 255}}, {kSansMono}, 2);
    add(9, 6, 128, 0, 48, 0, 79, {{33, 127}}, {kSansBold, kDejaVuSansBold}, 6);
    add(10, 1, 256, 0, 8, 0, 22, kAllBut160, {kSansMonoBold}, 2);
    add(11, 2, 256, 7, 9, 2, 21, {{33, 254}}, {kSansMonoBold}, 2);
    add(12, 2, 256, 5, 10, 0, 22, kAllBut160, {kSansMonoBold}, 2);
    add(13, 2, 256, 4, 12, 0, 22, kAllBut160, {kSansMonoBold}, 2);
    add(14, 2, 256, 0, 16, 0, 22, kAllBut160, {kSansMonoBold}, 2);
    return layouts;
}

} // namespace

bool TableLayout::drawn(int code) const {
    for (const auto& [first, last] : nonBlank) {
        if (code >= first && code <= last) {
            return true;
        }
    }
    return false;
}

const std::vector<TableLayout>& tableSpecs() {
    static const std::vector<TableLayout> layouts = makeLayouts();
    return layouts;
}

} // namespace glyphgen
