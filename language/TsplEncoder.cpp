#include "language/TsplEncoder.h"

#include "language/InkBands.h"
#include "language/SentPicture.h"

#include <algorithm>

namespace quillset {

namespace {

// Dots at 8 a mm as exact millimetres: 832 as "104", 1201 as "150.125".
std::string dotsAsMillimetres(int dots) {
    static constexpr const char* kEighths[] = {"",   ".125", ".25", ".375",
                                               ".5", ".625", ".75", ".875"};
    return std::to_string(dots / 8) + kEighths[dots % 8];
}

std::string mediaLine(const LanguageOptions& options) {
    const std::string gap = std::to_string(options.gapMm);
    switch (options.media) {
    case LabelMedia::Unset:
        return {};
    case LabelMedia::Gap:
        return "GAP " + gap + " mm,0 mm\r\n";
    case LabelMedia::Mark:
        return "BLINE " + gap + " mm,0 mm\r\n";
    case LabelMedia::Continuous:
        return "GAP 0 mm,0 mm\r\n";
    }
    return {};
}

} // namespace

std::string encodeTspl(const DotPictureView& picture, const LanguageOptions& options) {
    DotPicture copy;
    const DotPictureView sent = sentPicture(picture, options.printWidth, copy);
    const int rowBytes = sent.rowBytes;

    std::string out = "SIZE " + dotsAsMillimetres(sent.width) + " mm," +
                      dotsAsMillimetres(sent.height) + " mm\r\n" + mediaLine(options) +
                      "DIRECTION 0,0\r\n";
    if (options.darkness)
        out += "DENSITY " + std::to_string(*options.darkness) + "\r\n";
    if (options.speed)
        out += "SPEED " + std::to_string(*options.speed) + "\r\n";
    out += "CLS\r\n";
    // BITMAP's data is the label's image buffer as TSPL defines it, a 1 bit
    // white and a 0 bit printed: the other way round from the page's
    // picture, so every byte goes out inverted, and the bits past the width,
    // cleared in the picture, go out white.
    for (const RowBand& band : inkBands(sent, kMaxBandBytes)) {
        out += "BITMAP 0," + std::to_string(band.top) + "," + std::to_string(rowBytes) + "," +
               std::to_string(band.rows) + ",0,";
        appendInverted(out, sent.row(band.top),
                       static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(band.rows));
        out += "\r\n";
    }
    out += "PRINT 1," + std::to_string(std::clamp(options.copies, 1, kMaxCopies)) + "\r\n";
    return out;
}

} // namespace quillset
