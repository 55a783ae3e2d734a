#include "barcode/Code128Encoder.h"

#include "barcode/CellTables.h"
#include "barcode/WorkingBuffer.h"

namespace quillset {

namespace {

constexpr std::uint8_t kFnc1 = 134;
constexpr std::uint8_t kStartA = 135;
constexpr std::uint8_t kStartC = 137;
constexpr std::uint8_t kStopBars = 141;
constexpr std::uint8_t kStopEnd = 142;
constexpr std::uint8_t kQuietZone = 140;
constexpr std::uint8_t kFnc1Value = 102;
constexpr int kModulus = 103;

// Indexed by subset A, B, C.
constexpr int kStartValue[] = {103, 104, 105};
constexpr std::uint8_t kCodeValue[] = {101, 100, 99};

bool namesSubset(std::uint8_t b) {
    return b >= kStartA && b <= kStartC;
}

// The symbol value a key's cell stands for, or -1 for the cells that are no
// symbol of their own (start, stop halves, quiet zone, sentinel).
int symbolValue(std::uint8_t key) {
    if (key <= 102) {
        return key;
    }
    if (key >= 128 && key <= 134) {
        return key - 32;
    }
    return -1;
}

// Appends symbols and weighs every one that is drawn by its position, so
// that the check character agrees with what a reader sees.
class SymbolWriter {
public:
    SymbolWriter(BarPattern& bars, int startValue)
        : bars_(bars)
        , sum_(startValue) {}

    void symbol(std::uint8_t key) {
        if (!bars_.appendCell(kCode128Cells, key)) {
            return;
        }
        if (const int value = symbolValue(key); value >= 0) {
            sum_ += weight_++ * value;
        }
    }

    void digitPair(std::uint8_t a, std::uint8_t b) {
        symbol(static_cast<std::uint8_t>(10 * (a - '0') + (b - '0')));
    }

    std::uint8_t checkValue() const { return static_cast<std::uint8_t>(sum_ % kModulus); }

private:
    BarPattern& bars_;
    int sum_;
    int weight_ = 1;
};

} // namespace

bool encodeCode128(std::string_view text, BarPattern& bars) {
    text = text.substr(0, kWorkingBufferSize);
    const auto byte = [text](std::size_t i) { return static_cast<std::uint8_t>(text[i]); };
    if (text.empty() || !namesSubset(byte(0))) {
        return false;
    }
    int subset = byte(0) - kStartA;
    bars.appendCell(kCode128Cells, kQuietZone);
    bars.appendCell(kCode128Cells, byte(0));
    SymbolWriter out(bars, kStartValue[subset]);

    std::size_t i = 1;
    while (i < text.size()) {
        const std::uint8_t b = byte(i);
        if (namesSubset(b)) {
            // A switch to the subset already in force would be read as FNC4
            // or as the digits 99, so it draws nothing.
            if (b - kStartA != subset) {
                subset = b - kStartA;
                out.symbol(kCodeValue[subset]);
            }
            ++i;
        } else if (subset != 2) {
            out.symbol(static_cast<std::uint8_t>(b - 32));
            ++i;
        } else if (b == kFnc1) {
            out.symbol(kFnc1Value);
            ++i;
        } else {
            // A run of digits pairs up from the left; an odd run gets a '0'
            // in front.
            std::size_t end = i;
            while (end < text.size() && byte(end) != kFnc1 && !namesSubset(byte(end))) {
                ++end;
            }
            if ((end - i) % 2 == 1) {
                out.digitPair('0', byte(i++));
            }
            for (; i < end; i += 2) {
                out.digitPair(byte(i), byte(i + 1));
            }
        }
    }
    bars.appendCell(kCode128Cells, out.checkValue());
    bars.appendCell(kCode128Cells, kStopBars);
    bars.appendCell(kCode128Cells, kStopEnd);
    bars.writeEndMark();
    return true;
}

} // namespace quillset
