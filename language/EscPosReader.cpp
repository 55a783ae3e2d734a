#include "language/LanguageReader.h"
#include "language/ReadProblems.h"
#include "model/GroupedCount.h"

#include <algorithm>
#include <cstring>

namespace quillset {

namespace {

constexpr std::uint8_t kEsc = 0x1B;
constexpr std::uint8_t kGs = 0x1D;
constexpr int kNeedMore = -1;

// The length of the command that `c` begins (c[0] being ESC or GS), once
// enough of it is known; 0 for a command not known here.
int commandLength(const std::string& c) {
    if (c.size() < 2)
        return kNeedMore;
    const auto b = static_cast<std::uint8_t>(c[1]);
    if (static_cast<std::uint8_t>(c[0]) == kEsc) {
        switch (b) {
        case '@':
        case '2':
            return 2;
        case 'd':
        case 'J':
        case '3':
        case 'a':
        case '!':
        case 'E':
        case '-':
        case 'M':
        case 't':
        case 'G':
        case 'R':
        case '{':
        case ' ':
        case 'U':
            return 3;
        case 'p':
            return 5;
        default:
            return 0;
        }
    }
    switch (b) {
    case 'v':
    case 'V': {
        if (c.size() < 3)
            return kNeedMore;
        const auto m = static_cast<std::uint8_t>(c[2]);
        if (b == 'v')
            return m == '0' ? 8 : 0;
        if (m == 0 || m == 1 || m == 48 || m == 49)
            return 3;
        if (m == 65 || m == 66 || m == 97 || m == 98 || m == 103 || m == 104)
            return 4;
        return 0;
    }
    case '!':
    case 'B':
    case 'b':
    case 'H':
    case 'f':
    case 'h':
    case 'w':
    case 'a':
        return 3;
    case 'L':
    case 'W':
        return 4;
    default:
        return 0;
    }
}

class EscPosReader final : public LanguageReader {
public:
    ReadOutcome feed(std::string_view bytes) override;
    ReadOutcome finish() override;
    std::size_t pendingBytes() const override;

private:
    struct Band {
        int rowBytes = 0;
        int rows = 0;
        std::vector<std::uint8_t> bits;
    };

    void takeCommandByte(std::uint8_t byte, ReadOutcome& out);
    void runCommand(ReadOutcome& out);
    void startBand(ReadOutcome& out);
    void givePage(ReadOutcome& out, bool cut);
    std::string paperMotion(bool cut) const;
    void reportStray(ReadOutcome& out);

    std::uint64_t offset_ = 0; // of the next byte
    std::string command_;      // the command under way, from its ESC or GS on
    std::uint64_t commandAt_ = 0;
    bool inBand_ = false;
    Band band_;
    std::size_t bandFilled_ = 0;
    std::uint64_t skip_ = 0; // bytes of a refused band still to drop
    std::vector<Band> page_;
    int pageRows_ = 0;
    // The paper moved after the page's picture, as the page's line tells it.
    int fedLines_ = 0;
    int fedDots_ = 0;
    ReadProblems problems_;
};

ReadOutcome EscPosReader::feed(std::string_view bytes) {
    ReadOutcome out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        const std::size_t left = bytes.size() - i;
        if (skip_ > 0) {
            const auto n = static_cast<std::size_t>(std::min<std::uint64_t>(skip_, left));
            skip_ -= n;
            i += n;
            offset_ += n;
        } else if (inBand_) {
            const std::size_t n = std::min(band_.bits.size() - bandFilled_, left);
            std::memcpy(band_.bits.data() + bandFilled_, bytes.data() + i, n);
            bandFilled_ += n;
            i += n;
            offset_ += n;
            if (bandFilled_ == band_.bits.size()) {
                pageRows_ += band_.rows;
                page_.push_back(std::move(band_));
                band_ = {};
                inBand_ = false;
            }
        } else {
            takeCommandByte(static_cast<std::uint8_t>(bytes[i]), out);
            ++i;
            ++offset_;
        }
    }
    return out;
}

void EscPosReader::takeCommandByte(std::uint8_t byte, ReadOutcome& out) {
    if (command_.empty()) {
        if (byte == '\n' || byte == '\r')
            return;
        if (byte != kEsc && byte != kGs) {
            problems_.countStray(offset_);
            return;
        }
        reportStray(out);
        commandAt_ = offset_;
    }
    command_ += static_cast<char>(byte);
    const int length = commandLength(command_);
    if (length == kNeedMore)
        return;
    if (length == 0) {
        std::string name;
        for (const char c : command_) {
            if (!name.empty())
                name += ' ';
            name += byteName(static_cast<std::uint8_t>(c));
        }
        problems_.add(out, commandAt_, "unknown command " + name);
        command_.clear();
    } else if (static_cast<int>(command_.size()) == length) {
        runCommand(out);
        command_.clear();
    }
}

void EscPosReader::runCommand(ReadOutcome& out) {
    const auto first = static_cast<std::uint8_t>(command_[0]);
    const char second = command_[1];
    const auto argument = [&](std::size_t i) { return static_cast<std::uint8_t>(command_[i]); };
    if (first == kEsc && second == '@') {
        givePage(out, false);
    } else if (first == kEsc && second == 'd') {
        fedLines_ += argument(2);
    } else if (first == kEsc && second == 'J') {
        fedDots_ += argument(2);
    } else if (first == kGs && second == 'V') {
        // Functions B to D feed n dots before they cut.
        if (command_.size() == 4)
            fedDots_ += argument(3);
        givePage(out, true);
    } else if (first == kGs && second == 'v') {
        startBand(out);
    }
}

void EscPosReader::startBand(ReadOutcome& out) {
    const auto at = [&](int i) { return static_cast<int>(static_cast<std::uint8_t>(command_[i])); };
    const int mode = at(3);
    const int rowBytes = at(4) | at(5) << 8;
    const int rows = at(6) | at(7) << 8;
    const std::uint64_t size = static_cast<std::uint64_t>(rowBytes) * rows;
    if (mode != 0 && mode != 48)
        problems_.add(out, commandAt_,
                      "GS v 0 mode " + std::to_string(mode) + " is drawn at normal size");
    if (size == 0)
        return;
    if (rowBytes * 8 > kMaxReadDots || rows > kMaxReadDots) {
        problems_.add(out, commandAt_,
                      "GS v 0 band of " + groupedCount(rowBytes * 8ULL) + " x " +
                          groupedCount(rows) + " dots refused: at most " +
                          groupedCount(kMaxReadDots) + " each way");
        skip_ = size;
        return;
    }
    if (pageRows_ + rows > kMaxReadDots) {
        problems_.add(out, commandAt_,
                      "GS v 0 band refused: the page would be longer than " +
                          groupedCount(kMaxReadDots) + " rows");
        skip_ = size;
        return;
    }
    band_.rowBytes = rowBytes;
    band_.rows = rows;
    band_.bits.assign(static_cast<std::size_t>(size), 0);
    bandFilled_ = 0;
    inBand_ = true;
}

std::string EscPosReader::paperMotion(bool cut) const {
    std::string motion;
    const auto add = [&](const std::string& part) {
        motion += (motion.empty() ? "" : ", ") + part;
    };
    if (fedLines_ > 0)
        add("fed " + groupedCount(fedLines_) + (fedLines_ == 1 ? " line" : " lines"));
    if (fedDots_ > 0)
        add("fed " + groupedCount(fedDots_) + (fedDots_ == 1 ? " dot" : " dots"));
    if (cut)
        add("cut");
    return motion;
}

void EscPosReader::givePage(ReadOutcome& out, bool cut) {
    const std::string motion = paperMotion(cut);
    fedLines_ = 0;
    fedDots_ = 0;
    if (page_.empty())
        return;
    int rowBytes = 0;
    for (const Band& band : page_)
        rowBytes = std::max(rowBytes, band.rowBytes);
    DotPicture picture(rowBytes * 8, pageRows_);
    int top = 0;
    for (const Band& band : page_) {
        for (int y = 0; y < band.rows; ++y)
            std::memcpy(picture.row(top + y),
                        band.bits.data() + static_cast<std::size_t>(y) * band.rowBytes,
                        static_cast<std::size_t>(band.rowBytes));
        top += band.rows;
    }
    out.pages.push_back({std::move(picture), motion});
    page_.clear();
    pageRows_ = 0;
}

void EscPosReader::reportStray(ReadOutcome& out) {
    problems_.reportStray(out, "that is no command", "that are no command");
}

ReadOutcome EscPosReader::finish() {
    ReadOutcome out;
    reportStray(out);
    if (inBand_) {
        problems_.add(out, commandAt_,
                      "GS v 0 band cut short after " + groupedCount(bandFilled_) + " of " +
                          groupedCount(band_.bits.size()) + " bytes");
        band_ = {};
        inBand_ = false;
    } else if (skip_ > 0) {
        skip_ = 0;
    } else if (!command_.empty()) {
        problems_.add(out, commandAt_,
                      byteName(static_cast<std::uint8_t>(command_[0])) + " command cut short");
    }
    command_.clear();
    givePage(out, false);
    return out;
}

std::size_t EscPosReader::pendingBytes() const {
    std::size_t bytes = command_.size() + band_.bits.size();
    for (const Band& band : page_)
        bytes += band.bits.size();
    return bytes;
}

} // namespace

std::unique_ptr<LanguageReader> makeEscPosReader() {
    return std::make_unique<EscPosReader>();
}

} // namespace quillset
