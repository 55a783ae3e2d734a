#pragma once

#include "model/Picture.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillset::cli {

struct DitherChoice {
    Dithering dithering = Dithering::Threshold;
    int level = 128;
};

// "threshold", "threshold:LEVEL" (0 to 255), "ordered" or "diffusion";
// nothing, with `error` set, for anything else.
std::optional<DitherChoice> parseDither(std::string_view text, std::string& error);

struct DotPoint {
    int x = 0;
    int y = 0;
};

// "X,Y" in dots, each -32768 to 32767.
std::optional<DotPoint> parsePoint(std::string_view text);

} // namespace quillset::cli
