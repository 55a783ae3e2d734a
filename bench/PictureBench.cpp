// Pictures: (a) importing a 2,000 x 3,000 photo to an 832-dot-wide picture
// with error diffusion (the averaging scale and the dithering; then, apart,
// the text form the page file keeps); (b) rendering the shipping label with
// and without a full-width logo of 832 x 300 dots on it; (c) the bytes a
// 600 x 300-dot logo adds to the page file, as the counter "fileBytes".

#include "document/FolioSession.h"
#include "model/ObjectList.h"
#include "model/Reporter.h"
#include "picture/PictureImport.h"
#include "picture/PictureObject.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <string>

namespace quillset {
namespace {

class SilentReporter : public Reporter {
public:
    void report(const std::string&) override {}
};

// Soft gradients and fine detail, as a photo has.
GreyImage photo(int width, int height) {
    GreyImage image;
    image.width = width;
    image.height = height;
    image.grey.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    image.alpha.assign(image.grey.size(), 255);
    std::size_t i = 0;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.grey[i++] = static_cast<std::uint8_t>(
                127.5 + 90 * std::sin(x * 0.004) * std::cos(y * 0.003) + 37 * std::sin(x * y * 1e-4));
    return image;
}

// A shop's mark: a black ring, a solid disc, a grey band (dithered) and bold
// bars like a word beside it, on a transparent ground, drawn with soft edges
// as a drawing program exports it.
GreyImage logo(int width, int height) {
    GreyImage image;
    image.width = width;
    image.height = height;
    const double r = height * 0.45;
    const double cx = r + 4;
    const double cy = height / 2.0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double d = std::hypot(x - cx, y - cy);
            const double ring = std::clamp(1.0 - std::abs(d - r * 0.9) / (r * 0.08), 0.0, 1.0);
            const double disc = std::clamp((r * 0.5 - d) * 0.8, 0.0, 1.0);
            const bool band = y > height * 0.7 && y < height * 0.85 && x > cx + r && x < width - 8;
            const bool word = x > cx + r + 10 && x < width - 10 && y > height * 0.2 &&
                              y < height * 0.6 && (x / 18) % 2 == 0;
            const double ink = std::max({ring, disc, word ? 1.0 : 0.0, band ? 0.4 : 0.0});
            image.grey.push_back(static_cast<std::uint8_t>(255 * (1 - (band ? 0.4 : 1.0))));
            image.alpha.push_back(static_cast<std::uint8_t>(std::lround(255 * ink)));
        }
    }
    return image;
}

void importPhoto(benchmark::State& state) {
    const GreyImage image = photo(2000, 3000);
    const PictureSize size = importSize(image.width, image.height, 832);
    for (auto _ : state)
        benchmark::DoNotOptimize(importPicture(image, size, Dithering::Diffusion, 128));
}
BENCHMARK(importPhoto)->Name("import/photo2000x3000/to832/diffusion")->Unit(benchmark::kMillisecond);

void textFormOfPhoto(benchmark::State& state) {
    const GreyImage image = photo(2000, 3000);
    const Picture picture =
        importPicture(image, importSize(image.width, image.height, 832), Dithering::Diffusion, 128);
    for (auto _ : state)
        benchmark::DoNotOptimize(finishPicture(picture, "photo.jpg"));
}
BENCHMARK(textFormOfPhoto)->Name("import/photo832x1248/textForm")->Unit(benchmark::kMillisecond);

void renderLabel(benchmark::State& state, bool withLogo) {
    SilentReporter reporter;
    FolioSession session(4);
    session.open(std::string(QUILLSET_SOURCE_DIR) + "/examples/shipping-label.txt", reporter);
    if (withLogo) {
        const GreyImage mark = logo(832, 300);
        session.objects().append(pictureObject(
            finishPicture(importPicture(mark, {832, 300}, Dithering::Diffusion, 128), "logo.svg"),
            0, 880));
    }
    for (auto _ : state)
        session.render();
}
BENCHMARK_CAPTURE(renderLabel, without, false)->Name("render/shippingLabel");
BENCHMARK_CAPTURE(renderLabel, with, true)->Name("render/shippingLabel/withLogo832x300");

void logoFileBytes(benchmark::State& state, Dithering dithering) {
    const GreyImage mark = logo(600, 300);
    SilentReporter reporter;
    FolioSession session(4);
    session.open(std::string(QUILLSET_SOURCE_DIR) + "/examples/shipping-label.txt", reporter);
    const std::size_t without = session.fileBytes().size();
    for (auto _ : state) {
        session.objects().append(pictureObject(
            finishPicture(importPicture(mark, {600, 300}, dithering, 128), "logo.svg"), 100, 100));
        session.regenerate();
        state.counters["fileBytes"] =
            static_cast<double>(session.fileBytes().size() - without);
        session.objects().remove(session.objects().count - 1);
    }
}
BENCHMARK_CAPTURE(logoFileBytes, threshold, Dithering::Threshold)
    ->Name("fileSize/logo600x300/threshold")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(logoFileBytes, ordered, Dithering::Ordered)
    ->Name("fileSize/logo600x300/ordered")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(logoFileBytes, diffusion, Dithering::Diffusion)
    ->Name("fileSize/logo600x300/diffusion")->Unit(benchmark::kMillisecond);

} // namespace
} // namespace quillset
