#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quillset {

// How a picture's grey became black and white dots.
enum class Dithering : std::int32_t {
    Threshold = 0, // a dot is black where the grey is below the level
    Ordered = 1,   // an 8 x 8 Bayer matrix of levels
    Diffusion = 2, // each dot's error spread over its neighbours
};

// The dots of a picture object, one bit per dot, packed as the page raster
// packs its rows: row y begins at byte y * rowBytes(), dot x of it is bit
// 0x80 >> (x % 8) of byte x / 8, black = set. Made once, never changed:
// objects, undo snapshots and sessions share one through a pointer.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rows;
    // The lines after the statement in the script, in code page 437, each
    // followed by a line feed: the dots in the text form, as read or made.
    std::string body;
    // Where the dots came from, so that they can be made again: the file
    // (code page 437; empty when unknown), the dithering and its level.
    std::string source;
    Dithering dithering = Dithering::Threshold;
    int level = 128;

    int rowBytes() const { return (width + 7) / 8; }
    bool black(int x, int y) const {
        const auto at = static_cast<std::size_t>(y * rowBytes() + x / 8);
        return (rows[at] & (0x80 >> (x % 8))) != 0;
    }
};

} // namespace quillset
