#include "language/LanguageOptions.h"
#include "language/LanguageReader.h"
#include "language/ReadProblems.h"
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
// The most a label's fields and the copies of its page may take.
constexpr std::size_t kMaxLabelBytes = 32u << 20;
constexpr std::size_t kMaxCopyBytes = 64u << 20;
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
    std::size_t pendingBytes() const override { return command_.size() + fieldBytes_; }

private:
    struct Field {
        int x = 0;
        int y = 0;
        DotPicture picture;
    };

    void runCommand(ReadOutcome& out);
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
    std::vector<Field> fields_;
    std::size_t fieldBytes_ = 0;

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
    if (command_[0] == '~' || name.size() < 2) {
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
    } else if (name == "FX" || name == "CI" || name == "PR" || name == "MD" || name == "MM" ||
               name == "MN" || name == "MT") {
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
    if (fieldBytes_ + static_cast<std::size_t>(*bytes) > kMaxLabelBytes) {
        problem(out, "^GF refused: the label's pictures would take more than " +
                         groupedCount(kMaxLabelBytes) + " bytes");
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

    Field field{fieldX_, fieldY_,
                DotPicture(static_cast<int>(*rowBytes) * 8, static_cast<int>(rows))};
    std::copy(image.begin(), image.end(), field.picture.bits.begin());
    fieldBytes_ += field.picture.bits.size();
    fields_.push_back(std::move(field));
}

void ZplReader::startLabel() {
    inLabel_ = true;
    labelAt_ = commandAt_;
    width_ = -1;
    length_ = -1;
    homeX_ = homeY_ = fieldX_ = fieldY_ = 0;
    copies_ = 1;
    fields_.clear();
    fieldBytes_ = 0;
}

void ZplReader::endLabel(ReadOutcome& out) {
    inLabel_ = false;
    int width = width_;
    int height = length_;
    for (const Field& field : fields_) {
        if (width_ < 0)
            width = std::max(width, std::min(field.x + field.picture.width, kMaxReadDots));
        if (length_ < 0)
            height = std::max(height, std::min(field.y + field.picture.height, kMaxReadDots));
    }
    if (width > 0 && height > 0) {
        DotPicture page(width, height);
        const int pageRowBytes = page.rowBytes();
        for (const Field& field : fields_) {
            const int fieldRowBytes = field.picture.rowBytes();
            for (int y = 0; y < field.picture.height && field.y + y < height; ++y) {
                const std::uint8_t* from =
                    field.picture.bits.data() + static_cast<std::size_t>(y) * fieldRowBytes;
                std::uint8_t* to = page.row(field.y + y);
                for (int b = 0; b < fieldRowBytes; ++b) {
                    const int dot = field.x + b * 8;
                    if (dot >= width)
                        break;
                    const int shift = dot % 8;
                    to[dot / 8] |= static_cast<std::uint8_t>(from[b] >> shift);
                    if (shift != 0 && dot / 8 + 1 < pageRowBytes)
                        to[dot / 8 + 1] |= static_cast<std::uint8_t>(from[b] << (8 - shift));
                }
            }
        }
        if (width % 8 != 0) {
            const auto mask = static_cast<std::uint8_t>(0xFF00 >> (width % 8));
            for (int y = 0; y < height; ++y)
                page.row(y)[pageRowBytes - 1] &= mask;
        }
        // Short labels with many copies would otherwise turn a few bytes
        // into gigabytes of pages.
        std::size_t given = 0;
        for (const DotPicture& earlier : out.pages)
            given += earlier.bits.size();
        const std::size_t room = given < kMaxCopyBytes ? kMaxCopyBytes - given : 0;
        const std::size_t most = room / std::max<std::size_t>(page.bits.size(), 1);
        std::size_t copies = static_cast<std::size_t>(copies_);
        if (copies > most) {
            problem(out, "only " + groupedCount(most) + " of " + groupedCount(copies) +
                             " copies given out, to keep within " + groupedCount(kMaxCopyBytes) +
                             " bytes at once");
            copies = most;
        }
        if (copies == 0) {
            fields_.clear();
            fieldBytes_ = 0;
            return;
        }
        for (std::size_t i = 1; i < copies; ++i)
            out.pages.push_back(page);
        out.pages.push_back(std::move(page));
    }
    fields_.clear();
    fieldBytes_ = 0;
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
