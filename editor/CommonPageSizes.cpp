#include "editor/CommonPageSizes.h"

#include "editor/PageLength.h"
#include "editor/PageSetupCheck.h"

#include <array>

namespace quillset {

namespace {

constexpr int k2Inch = 0;
constexpr int k3Inch = 1;
constexpr int k4Inch = 2;

int inches(double value) {
    return dotsFromLength(value, LengthUnit::Inches);
}

int millimetres(double value) {
    return dotsFromLength(value, LengthUnit::Millimetres);
}

const std::array<CommonPageSize, 9> kSizes = {{
    {"2 \xC3\x97 1 in", k2Inch, inches(1)},
    {"3 \xC3\x97 2 in", k3Inch, inches(2)},
    {"4 \xC3\x97 2 in", k4Inch, inches(2)},
    {"4 \xC3\x97 3 in", k4Inch, inches(3)},
    {"4 \xC3\x97 6 in", k4Inch, inches(6)},
    {"100 \xC3\x97 150 mm", k4Inch, millimetres(150)},
    {"100 \xC3\x97 100 mm", k4Inch, millimetres(100)},
    {"58 mm receipt", k2Inch, 0},
    {"80 mm receipt", k3Inch, 0},
}};

int sizeLike(bool continuous, int height, int setupPrinter) {
    for (int i = 0; i < static_cast<int>(kSizes.size()); ++i)
        if (kSizes[i].setupPrinter == setupPrinter && kSizes[i].continuous() == continuous &&
            (continuous || kSizes[i].height == height))
            return i;
    return kCustomSize;
}

} // namespace

std::span<const CommonPageSize> commonPageSizes() {
    return kSizes;
}

int commonSizeOf(int width, int height) {
    for (int i = 0; i < static_cast<int>(kSizes.size()); ++i)
        if (!kSizes[i].continuous() && paperWidthForPrinter(kSizes[i].setupPrinter) == width &&
            kSizes[i].height == height)
            return i;
    return kCustomSize;
}

SizeAfterPrinterSwitch sizeForPrinterSwitch(int size, int height, int setupPrinter) {
    if (size < 0 || size >= static_cast<int>(kSizes.size()))
        return {kCustomSize, height, {}};
    const CommonPageSize& was = kSizes[static_cast<std::size_t>(size)];
    const int now = sizeLike(was.continuous(), height, setupPrinter);
    if (now != kCustomSize || was.continuous())
        return {now, height, {}};
    return {kCustomSize, height,
            std::string("The height is the ") + was.label + " label's: check it for this width."};
}

} // namespace quillset
