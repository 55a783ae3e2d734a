#pragma once

#include "model/Picture.h"

#include <cstdint>
#include <vector>

namespace quillset {

// One grey byte a dot (width x height, row after row) made black and white:
// the rows packed as a Picture holds them. Pure black always prints and pure
// white never does, whatever the dithering, so a black-and-white picture
// stays exact. Threshold: black where the grey is below `level` (0 to 255).
// Ordered: the level of an 8 x 8 Bayer matrix in place of `level`. Diffusion:
// each dot's error (its grey less the black or white it became) spread over
// the dots right of and below it.
std::vector<std::uint8_t> dither(const std::vector<std::uint8_t>& grey, int width, int height,
                                 Dithering dithering, int level);

} // namespace quillset
