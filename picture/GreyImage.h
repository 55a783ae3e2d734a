#pragma once

#include <cstdint>
#include <vector>

namespace quillset {

// A decoded picture file as the import takes it: one grey and one alpha
// byte a pixel, row after row (0 black, 255 white; alpha 0 transparent).
struct GreyImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> grey;
    std::vector<std::uint8_t> alpha;

    // The pixel's grey laid on white paper.
    std::uint8_t onWhite(std::size_t i) const {
        const unsigned a = alpha[i];
        return static_cast<std::uint8_t>((grey[i] * a + 255u * (255u - a) + 127u) / 255u);
    }
};

} // namespace quillset
