#include "language/CommandLineReader.h"
#include "language/LabelImage.h"
#include "language/LanguageOptions.h"
#include "language/ReceivedSettings.h"
#include "model/GroupedCount.h"

#include <algorithm>
#include <array>

namespace quillset {

namespace {

constexpr double kDotsPerMm = 8;
constexpr int kMaxGraphicRowBytes = kMaxReadDots / 8;

// Commands that leave the picture as it is: the character set, options,
// top of form backup, as drivers send them around a label.
constexpr std::array<std::string_view, 5> kTolerated = {"I", "O", "JF", "JB", "ZT"};

class Epl2Reader final : public CommandLineReader {
private:
    struct Graphic {
        int x = 0;
        int y = 0;
        int rowBytes = 0;
        int rows = 0;
    };

    void runLine(std::string_view line, ReadOutcome& out) override;
    void commaTaken(std::string_view line, ReadOutcome& out) override;
    void dataTaken(std::vector<std::uint8_t> data, ReadOutcome& out) override;
    void ended(ReadOutcome& out) override;
    std::size_t heldBytes() const override { return unprinted_ ? image_.bytes() : 0; }

    void formLength(std::string_view params, ReadOutcome& out);
    void print(std::string_view params, ReadOutcome& out);
    // GW's x, y, width in bytes and rows; its data comes next.
    void graphicHeader(const std::vector<std::string_view>& parts, ReadOutcome& out);

    int width_ = -1; // from q and Q, in dots; before them as far as the pictures reach
    int length_ = -1;
    int referenceX_ = 0;
    int referenceY_ = 0;
    LabelImage image_;
    Graphic graphic_;
    ReceivedSettings settings_;
    bool unprinted_ = false;
    std::uint64_t drawnAt_ = 0;
};

void Epl2Reader::runLine(std::string_view line, ReadOutcome& out) {
    line = trimmedText(line);
    const char first = line[0];
    const std::string_view rest = line.substr(1);
    if (line == "N") {
        image_.clear();
        unprinted_ = false;
    } else if (line.starts_with("GW")) {
        const std::vector<std::string_view> parts = commaParts(line.substr(2));
        if (parts.size() == 4)
            graphicHeader(parts, out);
        else
            problem(out, "GW without its sizes");
    } else if (first == 'q') {
        if (const auto width = wholeParameter(rest, kMaxReadDots); width && *width > 0)
            width_ = *width;
        else
            problem(out, "q " + shownText(rest) + " refused: 1 to " + groupedCount(kMaxReadDots) +
                             " dots");
    } else if (first == 'Q') {
        formLength(rest, out);
    } else if (first == 'D') {
        if (const auto density = wholeParameter(rest, 99))
            settings_.darkness = "density " + std::to_string(*density);
        else
            problem(out, "D without a number");
    } else if (first == 'S') {
        if (const auto speed = wholeParameter(rest, 99))
            settings_.speed = "speed " + std::to_string(*speed);
        else
            problem(out, "S without a number");
    } else if (first == 'R') {
        const std::vector<std::string_view> parts = commaParts(rest);
        const auto x = wholeParameter(parts[0], kMaxReadDots);
        const auto y = parts.size() > 1 ? wholeParameter(parts[1], kMaxReadDots) : std::nullopt;
        if (x && y) {
            referenceX_ = *x;
            referenceY_ = *y;
        } else {
            problem(out, "R without a point on the label");
        }
    } else if (first == 'P' && rest != "A") {
        print(rest, out);
    } else if (line == "ZB") {
        problem(out, "ZB is printed as ZT, top first");
    } else if (std::none_of(kTolerated.begin(), kTolerated.end(),
                            [&](std::string_view word) { return line.starts_with(word); })) {
        problem(out, "unknown command " + shownText(line.substr(0, 2)));
    }
}

// Q: the length in dots, then the gap in dots, B and the mark's height, or
// 0 for continuous paper; an offset after a sign or a comma does not matter
// to the picture.
void Epl2Reader::formLength(std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = commaParts(params);
    const auto length = wholeParameter(parts[0], kMaxReadDots);
    std::string_view media = parts.size() > 1 ? parts[1] : std::string_view();
    media = media.substr(0, media.find_first_of("+-"));
    const bool mark = media.starts_with("B");
    const auto gap = wholeParameter(mark ? media.substr(1) : media, 9999);
    if (!length || *length == 0 || !gap) {
        problem(out, "Q " + shownText(params) + " refused: a length of 1 to " +
                         groupedCount(kMaxReadDots) + " dots and a gap");
        return;
    }
    length_ = *length;
    const std::string mm = millimetres(*gap / kDotsPerMm);
    if (*gap == 0)
        settings_.media = "continuous";
    else
        settings_.media = (mark ? "black mark " : "gap ") + mm + " mm";
}

void Epl2Reader::print(std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = commaParts(params);
    const auto sets = wholeParameter(parts[0], kMaxCopies);
    const auto copies = parts.size() > 1 ? wholeParameter(parts[1], kMaxCopies) : 1;
    if (!sets || !copies || *sets == 0 || *copies == 0) {
        std::string reason = "P";
        reason.append(shownText(params)).append(" refused: 1 to ");
        reason.append(groupedCount(kMaxCopies)).append(" labels and copies");
        problem(out, reason);
        return;
    }
    unprinted_ = false;
    DotPicture label = image_.compose(width_, length_);
    if (label.bits.empty()) {
        problem(out, "P without q and Q or a picture: nothing to print");
        return;
    }
    giveCopies(out, {std::move(label), settings_.text()},
               static_cast<std::uint64_t>(*sets) * static_cast<std::uint64_t>(*copies), problems(),
               lineAt());
}

void Epl2Reader::commaTaken(std::string_view line, ReadOutcome& out) {
    line = trimmedText(line);
    if (!line.starts_with("GW"))
        return;
    std::vector<std::string_view> parts = commaParts(line.substr(2));
    // x, y, width in bytes, rows and the data after the last comma.
    if (parts.size() < 5)
        return;
    parts.pop_back();
    graphicHeader(parts, out);
}

void Epl2Reader::graphicHeader(const std::vector<std::string_view>& parts, ReadOutcome& out) {
    const auto x = wholeParameter(parts[0], kMaxReadDots);
    const auto y = wholeParameter(parts[1], kMaxReadDots);
    const auto rowBytes = wholeParameter(parts[2], 1 << 20);
    const auto rows = wholeParameter(parts[3], 1 << 20);
    if (!x || !y || !rowBytes || !rows) {
        problem(out, "GW without its sizes");
        dropLine();
        return;
    }
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(*rowBytes) * static_cast<std::uint64_t>(*rows);
    if (*rowBytes > kMaxGraphicRowBytes || *rows > kMaxReadDots) {
        problem(out, "GW of " + groupedCount(static_cast<std::uint64_t>(*rowBytes) * 8) + " x " +
                         groupedCount(static_cast<std::uint64_t>(*rows)) +
                         " dots refused: at most " + groupedCount(kMaxReadDots) + " each way");
        skipData(bytes);
        return;
    }
    if (image_.bytes() + bytes > kMaxLabelImageBytes) {
        problem(out, "GW refused: the label's pictures would take more than " +
                         groupedCount(kMaxLabelImageBytes) + " bytes");
        skipData(bytes);
        return;
    }
    graphic_ = {referenceX_ + *x, referenceY_ + *y, *rowBytes, *rows};
    expectData(static_cast<std::size_t>(bytes), "GW");
}

void Epl2Reader::dataTaken(std::vector<std::uint8_t> data, ReadOutcome&) {
    image_.draw(graphic_.x, graphic_.y, pictureOfClearBits(graphic_.rowBytes, graphic_.rows, data),
                LabelImage::Mode::Overwrite);
    if (!unprinted_) {
        unprinted_ = true;
        drawnAt_ = lineAt();
    }
}

void Epl2Reader::ended(ReadOutcome& out) {
    if (unprinted_)
        problems().add(out, drawnAt_, "GW without P: the label is not printed");
    unprinted_ = false;
}

} // namespace

std::unique_ptr<LanguageReader> makeEpl2Reader() {
    return std::make_unique<Epl2Reader>();
}

} // namespace quillset
