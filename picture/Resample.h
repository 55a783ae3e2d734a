#pragma once

#include "picture/GreyImage.h"

#include <cstdint>
#include <vector>

namespace quillset {

// The image laid on white and brought to width x height, one grey byte a
// dot. Smaller, each dot is the average of the pixels its area covers (in
// parts at the edges); larger, the average of the two nearest pixels each
// way, weighted by nearness; at the image's own size every pixel as it is.
std::vector<std::uint8_t> resample(const GreyImage& image, int width, int height);

} // namespace quillset
