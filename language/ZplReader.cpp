#include "language/LabelImage.h"
#include "language/LanguageOptions.h"
#include "language/LanguageReader.h"
#include "language/ReadProblems.h"
#include "language/ReceivedSettings.h"
#include "language/ZplAsciiHex.h"
#include "language/ZplZ64.h"
#include "model/GroupedCount.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <optional>

namespace quillset {

namespace {

// The largest command held: a ^GFA of the largest picture in plain hex, with
// room for line ends.
constexpr std::size_t kMaxCommandBytes = 16u << 20;
constexpr int kMaxRowBytes = kMaxReadDots / 8;

bool isSpace(char c) {
    return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

// A whole number; nothing when the text is empty or holds anything else.
// Large values stop growing well past every limit.
std::optional<std::int64_t> number(std::string_view text) {
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = std::min<std::int64_t>(value * 10 + (c - '0'), std::int64_t{1} << 40);
    }
    return value;
}

// The parameters of a command, split at commas; the last one takes the rest.
std::vector<std::string_view> split(std::string_view params, std::size_t most) {
    std::vector<std::string_view> parts;
    while (parts.size() + 1 < most) {
        const std::size_t comma = params.find(',');
        if (comma == std::string_view::npos)
            break;
        parts.push_back(params.substr(0, comma));
        params.remove_prefix(comma + 1);
    }
    parts.push_back(params);
    return parts;
}

class ZplReader final : public LanguageReader {
public:
    ReadOutcome feed(std::string_view bytes) override;
    ReadOutcome finish() override;
    std::size_t pendingBytes() const override { return command_.size() + image_.bytes(); }

private:
    void runCommand(ReadOutcome& out);
    // ~SD, ^MD, ^PR, ^MN: what the printer keeps for the labels after.
    void setting(std::string_view name, std::string_view params, ReadOutcome& out);
    void runLabelCommand(std::string_view name, std::string_view params, ReadOutcome& out);
    // A position or size parameter 0..kMaxReadDots; `fallback` when left out.
    std::optional<int> dots(std::string_view name, std::string_view text, int fallback,
                            ReadOutcome& out);
    void graphicField(std::string_view params, ReadOutcome& out);
    void startLabel();
    void endLabel(ReadOutcome& out);
    void reportStray(ReadOutcome& out);
    void problem(ReadOutcome& out, std::string_view reason) {
        problems_.add(out, commandAt_, reason);
    }

    std::uint64_t offset_ = 0; // of the next byte
    std::string command_;      // from its ^ or ~ up to the next one
    std::uint64_t commandAt_ = 0;
    bool tooLong_ = false;

    bool inLabel_ = false;
    std::uint64_t labelAt_ = 0;
    int width_ = -1;
    int length_ = -1;
    int homeX_ = 0;
    int homeY_ = 0;
    int fieldX_ = 0;
    int fieldY_ = 0;
    int copies_ = 1;
    LabelImage image_;
    ReceivedSettings settings_;

    ReadProblems problems_;
};

ReadOutcome ZplReader::feed(std::string_view bytes) {
    ReadOutcome out;
    const std::uint64_t base = offset_;
    std::size_t i = 0;
    auto nextCommand = [&](std::size_t from) {
        const std::size_t at = bytes.find_first_of("^~", from);
        return at == std::string_view::npos ? bytes.size() : at;
    };
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '^' || c == '~') {
            if (!command_.empty())
                runCommand(out);
            reportStray(out);
            command_.assign(1, c);
            commandAt_ = base + i;
            tooLong_ = false;
            ++i;
        } else if (command_.empty()) {
            const std::size_t end = nextCommand(i);
            for (; i < end; ++i) {
                if (!isSpace(bytes[i]))
                    problems_.countStray(base + i);
            }
        } else if (command_.size() < 3) {
            command_ += c;
            ++i;
            // Commands without parameters act at once: ^XZ prints the label
            // without waiting for the next command.
            if (command_.size() == 3 && command_[0] == '^') {
                const std::string name{static_cast<char>(std::toupper(command_[1])),
                                       static_cast<char>(std::toupper(command_[2]))};
                if (name == "XA" || name == "XZ" || name == "FS") {
                    runCommand(out);
                    command_.clear();
                }
            }
        } else {
            const std::size_t end = nextCommand(i);
            if (!tooLong_ && command_.size() + (end - i) > kMaxCommandBytes) {
                tooLong_ = true;
                problem(out,
                        "command longer than " + groupedCount(kMaxCommandBytes) + " bytes skipped");
                command_.resize(3);
            }
            if (!tooLong_)
                command_.append(bytes.substr(i, end - i));
            i = end;
        }
    }
    offset_ += bytes.size();
    return out;
}

void ZplReader::runCommand(ReadOutcome& out) {
    if (tooLong_)
        return;
    std::string name;
    for (std::size_t i = 1; i < std::min<std::size_t>(command_.size(), 3); ++i)
        name += static_cast<char>(std::toupper(static_cast<unsigned char>(command_[i])));
    const std::string shown = command_[0] + name;
    const std::string_view params =
        std::string_view(command_).substr(std::min<std::size_t>(command_.size(), 3));
    if (command_[0] == '~' && name == "SD") {
        setting(name, params, out);
    } else if (command_[0] == '~' || name.size() < 2) {
        problem(out, "unknown command " + shown);
    } else if (name == "XA") {
        if (inLabel_)
            problem(out, "^XA inside a label: the label so far is dropped");
        startLabel();
    } else if (name == "XZ") {
        if (inLabel_)
            endLabel(out);
        else
            problem(out, "^XZ without ^XA");
    } else if (name == "PR" || name == "MD" || name == "MN") {
        setting(name, params, out);
    } else if (name == "FX" || name == "CI" || name == "MM" || name == "MT") {
        // Comments and settings that leave the picture as it is.
    } else if (!inLabel_) {
        problem(out, shown + " outside a label");
    } else {
        runLabelCommand(name, params, out);
    }
}

void ZplReader::runLabelCommand(std::string_view name, std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = split(params, 3);
    std::string shown = "^";
    shown += name;
    if (name == "PW" || name == "LL") {
        const std::optional<int> size = dots(shown, parts[0], 0, out);
        if (size && *size > 0)
            (name == "PW" ? width_ : length_) = *size;
        else if (size)
            problem(out, shown + " without a size");
    } else if (name == "LH" || name == "FO") {
        const std::optional<int> x = dots(shown, parts[0], 0, out);
        const std::optional<int> y = dots(shown, parts.size() > 1 ? parts[1] : "", 0, out);
        if (!x || !y)
            return;
        if (name == "LH") {
            homeX_ = *x;
            homeY_ = *y;
        } else {
            fieldX_ = homeX_ + *x;
            fieldY_ = homeY_ + *y;
        }
    } else if (name == "GF") {
        graphicField(params, out);
    } else if (name == "FS") {
    } else if (name == "PQ") {
        const std::optional<std::int64_t> copies = number(parts[0]);
        if (!copies || *copies < 1) {
            problem(out, "^PQ without a number of copies");
        } else if (*copies > kMaxCopies) {
            problem(out, "^PQ " + groupedCount(static_cast<std::uint64_t>(*copies)) +
                             " refused: at most " + groupedCount(kMaxCopies) + " copies");
        } else {
            copies_ = static_cast<int>(*copies);
        }
    } else {
        problem(out, "unknown command " + shown);
    }
}

void ZplReader::setting(std::string_view name, std::string_view params, ReadOutcome& out) {
    const std::string_view value = trimmed(split(params, 2)[0]);
    std::string shown(name == "SD" ? "~" : "^");
    shown += name;
    if (name == "SD" || name == "MD") {
        // ~SD sets the darkness, 0 to 30; ^MD adds to it, -30 to 30.
        const bool relative = name == "MD";
        const bool negative = relative && value.starts_with('-');
        const std::string_view digits = value.substr(value.starts_with('+') || negative ? 1 : 0);
        const std::optional<std::int64_t> darkness = number(digits);
        if (!darkness || *darkness > 30) {
            problem(out, shown + " refused: a darkness of " + (relative ? "-30" : "0") + " to 30");
            return;
        }
        settings_.darkness = "darkness " +
                             std::string(negative   ? "-"
                                         : relative ? "+"
                                                    : "") +
                             std::to_string(*darkness);
    } else if (name == "PR") {
        // Inches a second, or the letters A to E for 2, 3, 4, 6 and 8.
        static constexpr std::string_view kLetters = "ABCDE";
        static constexpr int kLetterSpeeds[] = {2, 3, 4, 6, 8};
        const std::size_t letter = value.size() == 1
                                       ? kLetters.find(static_cast<char>(std::toupper(value[0])))
                                       : std::string_view::npos;
        const std::optional<std::int64_t> speed =
            letter != std::string_view::npos ? kLetterSpeeds[letter] : number(value);
        if (!speed || *speed < 1 || *speed > 14) {
            problem(out, "^PR refused: a speed of 1 to 14 or A to E");
            return;
        }
        settings_.speed = "speed " + std::to_string(*speed);
    } else {
        const char media = value.empty() ? ' ' : static_cast<char>(std::toupper(value[0]));
        if (media == 'Y' || media == 'W')
            settings_.media = "gap";
        else if (media == 'M')
            settings_.media = "black mark";
        else if (media == 'N' || media == 'V')
            settings_.media = "continuous";
        else if (media == 'A')
            settings_.media = "media sensed";
        else
            problem(out, "^MN refused: media Y, W, M, N, V or A");
    }
}

std::optional<int> ZplReader::dots(std::string_view name, std::string_view text, int fallback,
                                   ReadOutcome& out) {
    if (trimmed(text).empty())
        return fallback;
    const std::optional<std::int64_t> value = number(text);
    if (!value) {
        problem(out, std::string(name) + " with \"" + std::string(trimmed(text).substr(0, 20)) +
                         "\", which is no number");
        return std::nullopt;
    }
    if (*value > kMaxReadDots) {
        problem(out, std::string(name) + " " + groupedCount(static_cast<std::uint64_t>(*value)) +
                         " refused: at most " + groupedCount(kMaxReadDots) + " dots");
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

void ZplReader::graphicField(std::string_view params, ReadOutcome& out) {
    const std::vector<std::string_view> parts = split(params, 5);
    if (parts.size() < 5) {
        problem(out, "^GF without its sizes");
        return;
    }
    const std::string_view format = trimmed(parts[0]);
    if (format != "A" && format != "a") {
        problem(out, "^GF format " + std::string(format.substr(0, 8)) + " is not read");
        return;
    }
    const std::optional<std::int64_t> bytes = number(parts[1]);
    const std::optional<std::int64_t> rowBytes = number(parts[3]);
    if (!bytes || !rowBytes || *rowBytes < 1) {
        problem(out, "^GF without its sizes");
        return;
    }
    const std::int64_t rows = (*bytes + *rowBytes - 1) / *rowBytes;
    if (*rowBytes > kMaxRowBytes || rows > kMaxReadDots) {
        problem(out, "^GF of " + groupedCount(static_cast<std::uint64_t>(*rowBytes) * 8) + " x " +
                         groupedCount(static_cast<std::uint64_t>(rows)) +
                         " dots refused: at most " + groupedCount(kMaxReadDots) + " each way");
        return;
    }
    if (image_.bytes() + static_cast<std::size_t>(*bytes) > kMaxLabelImageBytes) {
        problem(out, "^GF refused: the label's pictures would take more than " +
                         groupedCount(kMaxLabelImageBytes) + " bytes");
        return;
    }

    std::vector<std::uint8_t> image(static_cast<std::size_t>(*bytes), 0);
    std::string data;
    data.reserve(parts[4].size());
    for (const char c : parts[4]) {
        if (!isSpace(c))
            data += c;
    }
    const std::string fault = data.starts_with(":Z64:") || data.starts_with(":B64:")
                                  ? readBase64Data(data, image)
                                  : readAsciiHex(data, static_cast<int>(*rowBytes), image);
    if (!fault.empty())
        problem(out, "^GF: " + fault);

    DotPicture picture(static_cast<int>(*rowBytes) * 8, static_cast<int>(rows));
    std::copy(image.begin(), image.end(), picture.bits.begin());
    image_.draw(fieldX_, fieldY_, std::move(picture), LabelImage::Mode::Or);
}

void ZplReader::startLabel() {
    inLabel_ = true;
    labelAt_ = commandAt_;
    width_ = -1;
    length_ = -1;
    homeX_ = homeY_ = fieldX_ = fieldY_ = 0;
    copies_ = 1;
    image_.clear();
}

void ZplReader::endLabel(ReadOutcome& out) {
    inLabel_ = false;
    DotPicture label = image_.compose(width_, length_);
    image_.clear();
    if (!label.bits.empty())
        giveCopies(out, {std::move(label), settings_.text()}, static_cast<std::uint64_t>(copies_),
                   problems_, commandAt_);
}

void ZplReader::reportStray(ReadOutcome& out) {
    problems_.reportStray(out, "outside any command", "outside any command");
}

ReadOutcome ZplReader::finish() {
    ReadOutcome out;
    if (!command_.empty())
        runCommand(out);
    command_.clear();
    tooLong_ = false;
    reportStray(out);
    if (inLabel_) {
        problems_.add(out, labelAt_, "^XA without ^XZ: the label is printed as it stands");
        endLabel(out);
    }
    return out;
}

} // namespace

std::unique_ptr<LanguageReader> makeZplReader() {
    return std::make_unique<ZplReader>();
}

} // namespace quillset
