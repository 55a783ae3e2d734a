#include "editor/PageLength.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quillset {

namespace {

constexpr double kMillimetresPerInch = 25.4;

double dotsPer(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Inches:
        return kDotsPerInch;
    case LengthUnit::Millimetres:
        return kDotsPerInch / kMillimetresPerInch;
    case LengthUnit::Dots:
        break;
    }
    return 1.0;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

} // namespace

int dotsFromLength(double value, LengthUnit unit) {
    return static_cast<int>(std::lround(value * dotsPer(unit)));
}

std::string lengthText(int dots, LengthUnit unit) {
    if (unit == LengthUnit::Dots)
        return std::to_string(dots);
    char text[32];
    std::snprintf(text, sizeof text, unit == LengthUnit::Inches ? "%.2f" : "%.1f",
                  dots / dotsPer(unit));
    return text;
}

std::optional<int> dotsFromText(std::string_view text, LengthUnit unit) {
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const char* end = text.data() + text.size();
    if (unit == LengthUnit::Dots) {
        int dots = 0;
        const auto [stop, error] = std::from_chars(text.data(), end, dots);
        if (text.empty() || error != std::errc() || stop != end)
            return std::nullopt;
        return dots;
    }
    double value = 0;
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    // Past the raster many times over is not a length; it would not fit an int.
    if (text.empty() || error != std::errc() || stop != end || std::fabs(value) > 100000.0)
        return std::nullopt;
    return dotsFromLength(value, unit);
}

std::string_view unitName(LengthUnit unit) {
    switch (unit) {
    case LengthUnit::Inches:
        return "in";
    case LengthUnit::Millimetres:
        return "mm";
    case LengthUnit::Dots:
        break;
    }
    return "dots";
}

LengthUnit unitNamed(std::string_view name) {
    for (const LengthUnit unit : {LengthUnit::Inches, LengthUnit::Millimetres})
        if (name == unitName(unit))
            return unit;
    return LengthUnit::Dots;
}

} // namespace quillset
