#include "picture/Resample.h"

#include <algorithm>
#include <cmath>

namespace quillset {

namespace {

// The source pixels one output sample averages along one axis.
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> tapsFor(int from, int to) {
    std::vector<Taps> taps(static_cast<std::size_t>(to));
    const double scale = static_cast<double>(from) / to;
    for (int o = 0; o < to; ++o) {
        Taps& t = taps[static_cast<std::size_t>(o)];
        if (from > to) {
            // The share of each pixel inside [o, o + 1) * scale.
            const double begin = o * scale;
            const double end = (o + 1) * scale;
            t.first = static_cast<int>(std::floor(begin));
            const int last = std::min(from - 1, static_cast<int>(std::ceil(end)) - 1);
            for (int i = t.first; i <= last; ++i) {
                const double cover = std::min<double>(end, i + 1) - std::max<double>(begin, i);
                t.weights.push_back(static_cast<float>(cover / scale));
            }
        } else {
            const double centre = std::clamp((o + 0.5) * scale - 0.5, 0.0, from - 1.0);
            t.first = static_cast<int>(std::floor(centre));
            const auto near = static_cast<float>(centre - t.first);
            t.weights.push_back(1.0f - near);
            if (t.first + 1 < from)
                t.weights.push_back(near);
        }
    }
    return taps;
}

} // namespace

std::vector<std::uint8_t> resample(const GreyImage& image, int width, int height) {
    const auto outSize = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    std::vector<std::uint8_t> out(outSize);
    if (width == image.width && height == image.height) {
        for (std::size_t i = 0; i < outSize; ++i)
            out[i] = image.onWhite(i);
        return out;
    }
    // Across first, each source row into `across`, then down, each output
    // row the weighted sum of whole rows of `across`.
    const std::vector<Taps> xTaps = tapsFor(image.width, width);
    const std::vector<Taps> yTaps = tapsFor(image.height, height);
    const auto w = static_cast<std::size_t>(width);
    std::vector<float> across(w * static_cast<std::size_t>(image.height));
    std::vector<float> row(static_cast<std::size_t>(image.width));
    for (int y = 0; y < image.height; ++y) {
        const std::size_t start = static_cast<std::size_t>(y) * static_cast<std::size_t>(image.width);
        for (std::size_t x = 0; x < row.size(); ++x)
            row[x] = image.onWhite(start + x);
        float* target = &across[static_cast<std::size_t>(y) * w];
        for (std::size_t o = 0; o < w; ++o) {
            const Taps& t = xTaps[o];
            float sum = 0;
            for (std::size_t k = 0; k < t.weights.size(); ++k)
                sum += t.weights[k] * row[static_cast<std::size_t>(t.first) + k];
            target[o] = sum;
        }
    }
    std::vector<float> sum(w);
    for (int y = 0; y < height; ++y) {
        const Taps& t = yTaps[static_cast<std::size_t>(y)];
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (std::size_t k = 0; k < t.weights.size(); ++k) {
            const float weight = t.weights[k];
            const float* source = &across[(static_cast<std::size_t>(t.first) + k) * w];
            for (std::size_t x = 0; x < w; ++x)
                sum[x] += weight * source[x];
        }
        std::uint8_t* target = &out[static_cast<std::size_t>(y) * w];
        for (std::size_t x = 0; x < w; ++x)
            target[x] = static_cast<std::uint8_t>(std::clamp(std::lround(sum[x]), 0L, 255L));
    }
    return out;
}

} // namespace quillset
