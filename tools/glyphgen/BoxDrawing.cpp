#include "BoxDrawing.h"

#include <algorithm>
#include <array>

namespace glyphgen {
namespace {

enum Line : unsigned char { None, Single, Double };

// The arms of one box-drawing character: up, down, left, right.
struct Arms {
    Line up, down, left, right;
};

// Codes 179 to 218.
constexpr std::array<Arms, 40> kArms{{
    {Single, Single, None, None},     // 179 vertical
    {Single, Single, Single, None},   // 180
    {Single, Single, Double, None},   // 181
    {Double, Double, Single, None},   // 182
    {None, Double, Single, None},     // 183
    {None, Single, Double, None},     // 184
    {Double, Double, Double, None},   // 185
    {Double, Double, None, None},     // 186
    {None, Double, Double, None},     // 187
    {Double, None, Double, None},     // 188
    {Double, None, Single, None},     // 189
    {Single, None, Double, None},     // 190
    {None, Single, Single, None},     // 191
    {Single, None, None, Single},     // 192
    {Single, None, Single, Single},   // 193
    {None, Single, Single, Single},   // 194
    {Single, Single, None, Single},   // 195
    {None, None, Single, Single},     // 196 horizontal
    {Single, Single, Single, Single}, // 197
    {Single, Single, None, Double},   // 198
    {Double, Double, None, Single},   // 199
    {Double, None, None, Double},     // 200
    {None, Double, None, Double},     // 201
    {Double, None, Double, Double},   // 202
    {None, Double, Double, Double},   // 203
    {Double, Double, None, Double},   // 204
    {None, None, Double, Double},     // 205
    {Double, Double, Double, Double}, // 206
    {Single, None, Double, Double},   // 207
    {Double, None, Single, Single},   // 208
    {None, Single, Double, Double},   // 209
    {None, Double, Single, Single},   // 210
    {Double, None, None, Single},     // 211
    {Single, None, None, Double},     // 212
    {None, Single, None, Double},     // 213
    {None, Double, None, Single},     // 214
    {Double, Double, Single, Single}, // 215
    {Single, Single, Double, Double}, // 216
    {Single, None, Single, None},     // 217
    {None, Single, None, Single},     // 218
}};

// Where the lines of one axis lie across it: a single line is `weight` dots
// thick; a double line is two strokes of `stroke` dots with a gap as wide,
// centred on the single line.
struct Band {
    int first = 0;    // first dot of the single line or of the outer stroke
    int last = 0;     // last dot
    int gapFirst = 0; // the double line's gap
    int gapLast = -1;
};

Band band(Line style, int start, int size, int weight, int stroke) {
    const int single = start + (size - weight) / 2;
    if (style != Double) {
        return {single, single + weight - 1, 0, -1};
    }
    const int first = (2 * single + weight - 1 - (3 * stroke - 1)) / 2;
    return {first, first + 3 * stroke - 1, first + stroke, first + 2 * stroke - 1};
}

void drawLines(const Arms& a, GlyphBitmap& cell, int firstRow, int lastRow, int weight) {
    const int right = cell.width() - 1;
    const Line across = a.left != None ? a.left : a.right;
    const Line upright = a.up != None ? a.up : a.down;
    // Double strokes as thick as single lines, unless three of them would
    // crowd the narrow way of the cell; the same for both axes.
    const int narrow = std::min(cell.width(), lastRow - firstRow + 1);
    const int stroke = 3 * weight <= narrow / 2 ? weight : 1;
    const Band h = band(across, firstRow, lastRow - firstRow + 1, weight, stroke);
    const Band v = band(upright, 0, cell.width(), weight, stroke);

    // Each axis is first drawn as a solid bar, meeting the other axis's outer
    // edges; a double line's gap is then cut out along its arms, through the
    // crossing line where that line is single and into its gap where it is
    // double, which leaves the inner and outer corners of double joins.
    if (across != None) {
        const int from = a.left != None ? 0 : (upright != None ? v.first : 0);
        const int to = a.right != None ? right : (upright != None ? v.last : right);
        cell.fill(from, h.first, to, h.last);
    }
    if (upright != None) {
        const int from = a.up != None ? firstRow : (across != None ? h.first : firstRow);
        const int to = a.down != None ? lastRow : (across != None ? h.last : lastRow);
        cell.fill(v.first, from, v.last, to);
    }
    if (across == Double) {
        if (a.left != None) {
            const int to = upright == None ? right : upright == Single ? v.first - 1 : v.gapLast;
            cell.fill(0, h.gapFirst, to, h.gapLast, false);
        }
        if (a.right != None) {
            const int from = upright == None ? 0 : upright == Single ? v.last + 1 : v.gapFirst;
            cell.fill(from, h.gapFirst, right, h.gapLast, false);
        }
    }
    if (upright == Double) {
        if (a.up != None) {
            const int to = across == None ? lastRow : across == Single ? h.first - 1 : h.gapLast;
            cell.fill(v.gapFirst, firstRow, v.gapLast, to, false);
        }
        if (a.down != None) {
            const int from = across == None ? firstRow : across == Single ? h.last + 1 : h.gapFirst;
            cell.fill(v.gapFirst, from, v.gapLast, lastRow, false);
        }
    }
}

// Light, medium and dark shade: one dot in four, two in four, three in four,
// staggered so that no lines form.
void drawShade(int level, GlyphBitmap& cell, int firstRow, int lastRow) {
    for (int y = firstRow; y <= lastRow; ++y) {
        for (int x = 0; x < cell.width(); ++x) {
            const bool quarter = y % 2 == 0 && (x + y / 2) % 2 == 0;
            const bool half = (x + y) % 2 == 0;
            const bool black = level == 0   ? quarter
                               : level == 1 ? half
                                            : !(y % 2 == 1 && (x + y / 2) % 2 == 0);
            cell.set(x, y, black);
        }
    }
}

} // namespace

bool drawBoxCharacter(int code, GlyphBitmap& cell, int firstRow, int lastRow, int weight) {
    const int right = cell.width() - 1;
    const int middle = firstRow + (lastRow - firstRow + 1) / 2;
    if (code >= 176 && code <= 178) {
        drawShade(code - 176, cell, firstRow, lastRow);
    } else if (code >= 179 && code <= 218) {
        drawLines(kArms[static_cast<std::size_t>(code - 179)], cell, firstRow, lastRow, weight);
    } else if (code == 219) {
        cell.fill(0, firstRow, right, lastRow);
    } else if (code == 220) {
        cell.fill(0, middle, right, lastRow);
    } else if (code == 221) {
        cell.fill(0, firstRow, cell.width() / 2 - 1, lastRow);
    } else if (code == 222) {
        cell.fill(cell.width() / 2, firstRow, right, lastRow);
    } else if (code == 223) {
        cell.fill(0, firstRow, right, middle - 1);
    } else {
        return false;
    }
    return true;
}

} // namespace glyphgen
