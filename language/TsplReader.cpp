#include "language/CommandLineReader.h"
#include "language/LabelImage.h"
#include "language/LanguageOptions.h"
#include "language/ReceivedSettings.h"
#include "model/GroupedCount.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace quillset {

namespace {

constexpr double kDotsPerMm = 8;
constexpr int kMaxBitmapRowBytes = kMaxReadDots / 8;

// Commands that leave the picture as it is: settings of the printer and the
// media's movement, as drivers send them around a label.
constexpr std::array<std::string_view, 13> kTolerated = {
    "OFFSET", "SHIFT",    "SET",    "CODEPAGE",  "COUNTRY", "FEED", "FORMFEED",
    "HOME",   "BACKFEED", "BACKUP", "LIMITFEED", "SOUND",   "CUT"};

std::string upper(std::string_view text) {
    std::string word(text);
    for (char& c : word)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return word;
}

// A length as TSPL writes it: "104 mm", "812 dot", or inches without a unit;
// in dots at 8 a mm.
std::optional<double> lengthInDots(std::string_view text) {
    text = trimmedText(text);
    double scale = 25.4 * kDotsPerMm;
    for (const auto& [unit, dots] : {std::pair<std::string_view, double>{"mm", kDotsPerMm},
                                     std::pair<std::string_view, double>{"dot", 1}}) {
        if (text.size() > unit.size() &&
            upper(text.substr(text.size() - unit.size())) == upper(unit)) {
            text.remove_suffix(unit.size());
            scale = dots;
            break;
        }
    }
    const std::optional<double> value = decimalParameter(text);
    if (!value)
        return std::nullopt;
    return *value * scale;
}

class TsplReader final : public CommandLineReader {
private:
    struct Bitmap {
        int x = 0;
        int y = 0;
        int rowBytes = 0;
        int rows = 0;
        LabelImage::Mode mode = LabelImage::Mode::Overwrite;
    };

    void runLine(std::string_view line, ReadOutcome& out) override;
    void commaTaken(std::string_view line, ReadOutcome& out) override;
    void dataTaken(std::vector<std::uint8_t> data, ReadOutcome& out) override;
    void ended(ReadOutcome& out) override;
    std::size_t heldBytes() const override { return unprinted_ ? image_.bytes() : 0; }

    void size(std::string_view params, ReadOutcome& out);
    void media(std::string_view word, std::string_view params, ReadOutcome& out);
    void print(std::string_view params, ReadOutcome& out);
    std::optional<Bitmap> bitmapHeader(const std::vector<std::string_view>& parts,
                                       ReadOutcome& out);

    int width_ = -1; // from SIZE, in dots; before it as far as the pictures reach
    int height_ = -1;
    int referenceX_ = 0;
    int referenceY_ = 0;
    LabelImage image_;
    Bitmap bitmap_;
    ReceivedSettings settings_;
    // A picture drawn since the last PRINT, and where.
    bool unprinted_ = false;
    std::uint64_t drawnAt_ = 0;
};

void TsplReader::runLine(std::string_view line, ReadOutcome& out) {
    line = trimmedText(line);
    const std::size_t space = line.find(' ');
    const std::string word = upper(line.substr(0, space));
    const std::string_view params =
        space == std::string_view::npos ? std::string_view() : trimmedText(line.substr(space));
    if (word == "SIZE") {
        size(params, out);
    } else if (word == "GAP" || word == "BLINE") {
        media(word, params, out);
    } else if (word == "DENSITY") {
        if (const auto density = wholeParameter(params, 99))
            settings_.darkness = "density " + std::to_string(*density);
        else
            problem(out, "DENSITY without a number");
    } else if (word == "SPEED") {
        if (decimalParameter(params))
            settings_.speed = "speed " + std::string(params);
        else
            problem(out, "SPEED without a number");
    } else if (word == "DIRECTION") {
        const std::vector<std::string_view> parts = commaParts(params);
        if (parts[0] != "0" || (parts.size() > 1 && parts[1] != "0"))
            problem(out, "DIRECTION " + shownText(params) + " is printed as DIRECTION 0,0");
    } else if (word == "REFERENCE") {
        const std::vector<std::string_view> parts = commaParts(params);
        const auto x = wholeParameter(parts[0], kMaxReadDots);
        const auto y = parts.size() > 1 ? wholeParameter(parts[1], kMaxReadDots) : std::nullopt;
        if (x && y) {
            referenceX_ = *x;
            referenceY_ = *y;
        } else {
            problem(out, "REFERENCE without a point on the label");
        }
    } else if (word == "CLS") {
        image_.clear();
        unprinted_ = false;
    } else if (word == "BITMAP") {
        problem(out, "BITMAP without its sizes");
    } else if (word == "PRINT") {
        print(params, out);
    } else if (std::find(kTolerated.begin(), kTolerated.end(), word) == kTolerated.end()) {
        problem(out, "unknown command " + shownText(word));
    }
}

void TsplReader::size(std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = commaParts(params);
    const auto width = lengthInDots(parts[0]);
    const auto height = parts.size() > 1 ? lengthInDots(parts[1]) : std::nullopt;
    if (!width || !height) {
        problem(out, "SIZE without a width and a height");
        return;
    }
    const long long w = std::llround(*width);
    const long long h = std::llround(*height);
    if (w > kMaxReadDots || h > kMaxReadDots) {
        problem(out, "SIZE of " + groupedCount(static_cast<std::uint64_t>(w)) + " x " +
                         groupedCount(static_cast<std::uint64_t>(h)) + " dots refused: at most " +
                         groupedCount(kMaxReadDots) + " each way");
        return;
    }
    width_ = static_cast<int>(w);
    height_ = static_cast<int>(h);
}

void TsplReader::media(std::string_view word, std::string_view params, ReadOutcome& out) {
    const auto length = lengthInDots(commaParts(params)[0]);
    if (!length) {
        problem(out, std::string(word) + " without a length");
        return;
    }
    const std::string mm = millimetres(*length / kDotsPerMm);
    if (std::llround(*length) == 0)
        settings_.media = "continuous";
    else
        settings_.media = (word == "GAP" ? "gap " : "black mark ") + mm + " mm";
}

void TsplReader::print(std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = commaParts(params);
    const auto sets = wholeParameter(parts[0], kMaxCopies);
    const auto copies = parts.size() > 1 ? wholeParameter(parts[1], kMaxCopies) : 1;
    if (!sets || !copies || *sets == 0 || *copies == 0) {
        problem(out, "PRINT " + shownText(params) + " refused: 1 to " + groupedCount(kMaxCopies) +
                         " labels and copies");
        return;
    }
    unprinted_ = false;
    DotPicture label = image_.compose(width_, height_);
    if (label.bits.empty()) {
        problem(out, "PRINT without SIZE or a picture: nothing to print");
        return;
    }
    giveCopies(out, {std::move(label), settings_.text()},
               static_cast<std::uint64_t>(*sets) * static_cast<std::uint64_t>(*copies), problems(),
               lineAt());
}

void TsplReader::commaTaken(std::string_view line, ReadOutcome& out) {
    line = trimmedText(line);
    if (line.size() < 7 || upper(line.substr(0, 7)) != "BITMAP ")
        return;
    const std::vector<std::string_view> parts = commaParts(line.substr(7));
    // x, y, width in bytes, rows, mode and the data after the last comma.
    if (parts.size() < 6)
        return;
    const std::optional<Bitmap> bitmap = bitmapHeader(parts, out);
    if (bitmap)
        bitmap_ = *bitmap;
}

std::optional<TsplReader::Bitmap>
TsplReader::bitmapHeader(const std::vector<std::string_view>& parts, ReadOutcome& out) {
    const auto x = wholeParameter(parts[0], kMaxReadDots);
    const auto y = wholeParameter(parts[1], kMaxReadDots);
    const auto rowBytes = wholeParameter(parts[2], 1 << 20);
    const auto rows = wholeParameter(parts[3], 1 << 20);
    const auto mode = wholeParameter(parts[4], 9);
    if (!x || !y || !rowBytes || !rows || !mode) {
        problem(out, "BITMAP without its sizes");
        dropLine();
        return std::nullopt;
    }
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(*rowBytes) * static_cast<std::uint64_t>(*rows);
    if (*rowBytes > kMaxBitmapRowBytes || *rows > kMaxReadDots) {
        problem(out, "BITMAP of " + groupedCount(static_cast<std::uint64_t>(*rowBytes) * 8) +
                         " x " + groupedCount(static_cast<std::uint64_t>(*rows)) +
                         " dots refused: at most " + groupedCount(kMaxReadDots) + " each way");
        skipData(bytes);
        return std::nullopt;
    }
    if (*mode > 2) {
        problem(out, "BITMAP mode " + std::to_string(*mode) + " is not read");
        skipData(bytes);
        return std::nullopt;
    }
    if (image_.bytes() + bytes > kMaxLabelImageBytes) {
        problem(out, "BITMAP refused: the label's pictures would take more than " +
                         groupedCount(kMaxLabelImageBytes) + " bytes");
        skipData(bytes);
        return std::nullopt;
    }
    constexpr LabelImage::Mode kModes[] = {LabelImage::Mode::Overwrite, LabelImage::Mode::Or,
                                           LabelImage::Mode::Xor};
    const Bitmap bitmap{referenceX_ + *x, referenceY_ + *y, *rowBytes, *rows, kModes[*mode]};
    expectData(static_cast<std::size_t>(bytes), "BITMAP");
    return bitmap;
}

void TsplReader::dataTaken(std::vector<std::uint8_t> data, ReadOutcome&) {
    image_.draw(bitmap_.x, bitmap_.y, pictureOfClearBits(bitmap_.rowBytes, bitmap_.rows, data),
                bitmap_.mode);
    if (!unprinted_) {
        unprinted_ = true;
        drawnAt_ = lineAt();
    }
}

void TsplReader::ended(ReadOutcome& out) {
    if (unprinted_)
        problems().add(out, drawnAt_, "BITMAP without PRINT: the label is not printed");
    unprinted_ = false;
}

} // namespace

std::unique_ptr<LanguageReader> makeTsplReader() {
    return std::make_unique<TsplReader>();
}

} // namespace quillset
