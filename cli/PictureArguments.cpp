#include "cli/PictureArguments.h"

#include "cli/Invocation.h"

namespace quillset::cli {

std::optional<DitherChoice> parseDither(std::string_view text, std::string& error) {
    if (text == "ordered")
        return DitherChoice{Dithering::Ordered, 128};
    if (text == "diffusion")
        return DitherChoice{Dithering::Diffusion, 128};
    if (text == "threshold")
        return DitherChoice{};
    constexpr std::string_view kThreshold = "threshold:";
    if (text.starts_with(kThreshold)) {
        if (const auto level = wholeNumber(text.substr(kThreshold.size()), 0, 255))
            return DitherChoice{Dithering::Threshold, *level};
        error = "The threshold level is 0 to 255.";
        return std::nullopt;
    }
    error = "--dither is threshold[:LEVEL], ordered or diffusion.";
    return std::nullopt;
}

std::optional<DotPoint> parsePoint(std::string_view text) {
    const std::size_t comma = text.find(',');
    if (comma == std::string_view::npos)
        return std::nullopt;
    const auto coordinate = [](std::string_view part) -> std::optional<int> {
        const bool negative = part.starts_with('-');
        const auto n = wholeNumber(negative ? part.substr(1) : part, 0, negative ? 32768 : 32767);
        return n ? std::optional(negative ? -*n : *n) : std::nullopt;
    };
    const auto x = coordinate(text.substr(0, comma));
    const auto y = coordinate(text.substr(comma + 1));
    return x && y ? std::optional(DotPoint{*x, *y}) : std::nullopt;
}

} // namespace quillset::cli
