#pragma once

#include "language/DotPicture.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace quillset {

// The most picture data one TSPL BITMAP or EPL2 GW command carries here; a
// taller run of black rows goes as several, one under the other.
inline constexpr std::size_t kMaxBandBytes = 32768;

struct RowBand {
    int top = 0;
    int rows = 0;
};

// The runs of rows of `picture` that hold a black dot, top to bottom, each
// cut into bands of at most `maxBytes` (and at least one row). The label
// languages send only these: the printer has cleared the label, and a white
// row sent is a row's bytes for nothing.
std::vector<RowBand> inkBands(const DotPictureView& picture, std::size_t maxBytes);

// Appends `count` bytes of rows inverted, for the languages whose printers
// print a 0 bit and leave a 1 white.
void appendInverted(std::string& out, const std::uint8_t* bytes, std::size_t count);

} // namespace quillset
