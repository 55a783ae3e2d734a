#pragma once

#include "model/Limits.h"
#include "model/PageSettings.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace quillset {

// The simulated printout, one bit per printer dot, black = set. Only the page
// in use is laid out, packed by its own row length: row y begins at byte
// y * rowBytes and dot x of it is bit 0x80 >> (x % 8) of byte x / 8.
// About 130 KB: keep it on the heap or inside an owner that is.
class PageRaster {
public:
    static constexpr std::size_t kCapacityBytes =
        static_cast<std::size_t>(kRasterRowBytes) * kRasterHeight;

    std::uint16_t maxWidth = kRasterWidth;
    std::uint16_t maxHeight = kRasterHeight;
    std::array<std::uint8_t, kCapacityBytes> bits{};
    PageSettings settings;

    // Byte column c, row r; outside the page in use these do nothing and
    // GetByte answers 0.
    void PutByte(int c, int r, std::uint8_t value);
    void OrByte(int c, int r, std::uint8_t mask);
    void AndNotByte(int c, int r, std::uint8_t mask);
    std::uint8_t GetByte(int c, int r) const;

    // Colour: non-zero sets the dot, zero clears it. Dots off the page are
    // skipped.
    void SetDot(int x, int y, std::int16_t colour);

    // The page in use becomes white; bytes beyond it keep what they held.
    void Clear();

    // Rows whose bytes all lie inside the storage, even if the settings ask
    // for more than the capacity.
    int usableRows() const {
        if (settings.rowBytes <= 0 || settings.pageHeight <= 0) {
            return 0;
        }
        return std::min<int>(settings.pageHeight,
                             static_cast<int>(kCapacityBytes) / settings.rowBytes);
    }
    // One past the last x that SetDot draws.
    int dotLimitX() const {
        return std::max(0, std::min(settings.pageWidth + 1, settings.rowBytes * 8));
    }

private:
    // Index into `bits`, or -1 off the page.
    std::ptrdiff_t indexOf(int c, int r) const;
};

// Bits first..last of a byte, position 0 being 0x80.
std::uint8_t MakeByteMask(int first, int last);

// The box between two corner dots, both included, in any order. Parts off the
// page are dropped.
void FillArea(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour);

// The dots one side of a border `thickness` wide covers across the edge line
// at `edge`: centred on it, an even thickness's extra dot toward larger
// coordinates. A negative thickness gives first > last.
struct BorderBand {
    int first;
    int last;
};
BorderBand borderBand(int edge, std::int16_t thickness);

// The four sides of the box, each a borderBand across its edge line.
void DrawBorder(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour,
                std::int16_t thickness);

// The one area primitive: an outline when the low 16 bits of the thickness
// are non-zero, else the filled box (a one-dot line when the corners share a
// row or column).
void DrawBox(PageRaster& raster, int x1, int y1, int x2, int y2, std::int16_t colour,
             int thickness);

} // namespace quillset
