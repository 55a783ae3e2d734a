#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quillset {

// The printer fonts' glyph bitmaps. A glyph is a run of rows of
// bytesPerRow bytes each; how many rows a glyph takes in its table depends
// only on the row size, not on how many rows its font draws.
constexpr int glyphRowsStored(int bytesPerRow) {
    return bytesPerRow == 6 ? 80 : 23;
}

constexpr std::size_t glyphTableBytes(int bytesPerRow, int glyphCount) {
    return static_cast<std::size_t>(bytesPerRow) * glyphRowsStored(bytesPerRow) * glyphCount;
}

constexpr std::size_t kGlyphsG1Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG2Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG3Size = glyphTableBytes(3, 384);
constexpr std::size_t kGlyphsG4Size = glyphTableBytes(1, 256);
constexpr std::size_t kGlyphsG5Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG6Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG7Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG8Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG9Size = glyphTableBytes(6, 128);
constexpr std::size_t kGlyphsG10Size = glyphTableBytes(1, 256);
constexpr std::size_t kGlyphsG11Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG12Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG13Size = glyphTableBytes(2, 256);
constexpr std::size_t kGlyphsG14Size = glyphTableBytes(2, 256);

extern const std::uint8_t kGlyphsG1[kGlyphsG1Size];
extern const std::uint8_t kGlyphsG2[kGlyphsG2Size];
extern const std::uint8_t kGlyphsG3[kGlyphsG3Size];
extern const std::uint8_t kGlyphsG4[kGlyphsG4Size];
extern const std::uint8_t kGlyphsG5[kGlyphsG5Size];
extern const std::uint8_t kGlyphsG6[kGlyphsG6Size];
extern const std::uint8_t kGlyphsG7[kGlyphsG7Size];
extern const std::uint8_t kGlyphsG8[kGlyphsG8Size];
extern const std::uint8_t kGlyphsG9[kGlyphsG9Size];
extern const std::uint8_t kGlyphsG10[kGlyphsG10Size];
extern const std::uint8_t kGlyphsG11[kGlyphsG11Size];
extern const std::uint8_t kGlyphsG12[kGlyphsG12Size];
extern const std::uint8_t kGlyphsG13[kGlyphsG13Size];
extern const std::uint8_t kGlyphsG14[kGlyphsG14Size];

// One table with its row size and the number of glyphs it stores.
struct GlyphTable {
    const std::uint8_t* bytes;
    std::size_t size;
    int bytesPerRow;
    int glyphCount;
};

// G1 to G14 at indexes 0 to 13.
inline constexpr std::array<GlyphTable, 14> kGlyphTables{{
    {kGlyphsG1, kGlyphsG1Size, 2, 256},
    {kGlyphsG2, kGlyphsG2Size, 2, 256},
    {kGlyphsG3, kGlyphsG3Size, 3, 384},
    {kGlyphsG4, kGlyphsG4Size, 1, 256},
    {kGlyphsG5, kGlyphsG5Size, 2, 256},
    {kGlyphsG6, kGlyphsG6Size, 2, 256},
    {kGlyphsG7, kGlyphsG7Size, 2, 256},
    {kGlyphsG8, kGlyphsG8Size, 2, 256},
    {kGlyphsG9, kGlyphsG9Size, 6, 128},
    {kGlyphsG10, kGlyphsG10Size, 1, 256},
    {kGlyphsG11, kGlyphsG11Size, 2, 256},
    {kGlyphsG12, kGlyphsG12Size, 2, 256},
    {kGlyphsG13, kGlyphsG13Size, 2, 256},
    {kGlyphsG14, kGlyphsG14Size, 2, 256},
}};

} // namespace quillset
