#include "language/ZplAsciiHex.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace quillset {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// z (400) and Y (19): the most one count says.
constexpr int kMaxCount = 419;

// Writes the run at `out` and returns the end of what it wrote.
char* putRun(char* out, char digit, int length) {
    while (length > 0) {
        const int count = std::min(length, kMaxCount);
        length -= count;
        // A count of 1 or 2 is no shorter than the digits themselves.
        if (count <= 2) {
            *out++ = digit;
            if (count == 2)
                *out++ = digit;
            continue;
        }
        if (count >= 20)
            *out++ = static_cast<char>('g' + count / 20 - 1);
        if (count % 20 != 0)
            *out++ = static_cast<char>('G' + count % 20 - 1);
        *out++ = digit;
    }
    return out;
}

constexpr std::array<std::array<char, 2>, 256> kHexPairs = [] {
    std::array<std::array<char, 2>, 256> pairs{};
    for (int i = 0; i < 256; ++i)
        pairs[static_cast<std::size_t>(i)] = {kHexDigits[i >> 4], kHexDigits[i & 0x0F]};
    return pairs;
}();

// How many of the `length` digits at `from` are `digit`, counted from the
// first: eight at a time while they are, as runs of blank dots are long.
int sameDigits(const char* from, int length, char digit) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ULL;
    const std::uint64_t eight = kOnes * static_cast<unsigned char>(digit);
    int n = 0;
    for (std::uint64_t word = 0; n + 8 <= length; n += 8) {
        std::memcpy(&word, from + n, 8);
        if (word != eight)
            break;
    }
    while (n < length && from[n] == digit)
        ++n;
    return n;
}

// At most one character a digit and the comma: 2 * rowBytes + 1.
char* putRow(char* out, const std::uint8_t* row, int rowBytes, char* digits) {
    const int count = rowBytes * 2;
    // Only the digits before the trailing zeros are made: a row's right part
    // is mostly blank. The last byte made is not zero, so at most its low
    // digit is.
    int used = rowBytes;
    while (used > 0 && row[used - 1] == 0)
        --used;
    for (int i = 0; i < used; ++i)
        std::memcpy(digits + 2 * i, kHexPairs[row[i]].data(), 2);
    int end = 2 * used;
    if (end > 0 && digits[end - 1] == '0')
        --end;
    // One trailing zero is as long as the comma.
    if (count - end == 1)
        end = count;
    // Digits go out as they are up to the next run of three or more, the
    // shortest that a count makes shorter; dense rows rarely have one.
    for (int i = 0; i < end;) {
        int run = i;
        while (run + 2 < end &&
               ((digits[run] ^ digits[run + 1]) | (digits[run + 1] ^ digits[run + 2])) != 0)
            ++run;
        if (run + 2 >= end)
            run = end;
        std::memcpy(out, digits + i, static_cast<std::size_t>(run - i));
        out += run - i;
        if (run == end)
            break;
        int next = run + 3;
        next += sameDigits(digits + next, end - next, digits[run]);
        out = putRun(out, digits[run], next - run);
        i = next;
    }
    if (end < count)
        *out++ = ',';
    return out;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

void appendAsciiHex(std::string& out, const std::uint8_t* rows, int rowBytes, int rowCount) {
    if (rowBytes <= 0 || rowCount <= 0)
        return;
    const auto stride = static_cast<std::size_t>(rowBytes);
    // Each row is written here, then only what it takes goes into `out`: a
    // label is mostly blank, so its field is a small part of the most a row
    // could take, and `out` grows by what is written.
    std::string digits(2 * stride, '0');
    std::string written(2 * stride + 1, '\0');
    for (int y = 0; y < rowCount; ++y) {
        const std::uint8_t* row = rows + static_cast<std::size_t>(y) * stride;
        if (y > 0 && std::memcmp(row, row - stride, stride) == 0) {
            out += ':';
            continue;
        }
        char* end = putRow(written.data(), row, rowBytes, digits.data());
        out.append(written.data(), end);
    }
}

std::string readAsciiHex(std::string_view text, int rowBytes, std::vector<std::uint8_t>& image) {
    const std::size_t total = image.size() * 2;
    const std::size_t rowNibbles = static_cast<std::size_t>(std::max(rowBytes, 1)) * 2;
    std::size_t at = 0; // nibbles written
    std::size_t count = 0;
    bool overflow = false;
    std::string problem;

    auto put = [&](int value) {
        std::uint8_t& byte = image[at / 2];
        byte = at % 2 == 0 ? static_cast<std::uint8_t>((byte & 0x0F) | (value << 4))
                           : static_cast<std::uint8_t>((byte & 0xF0) | value);
        ++at;
    };
    auto rowEnd = [&] { return std::min(total, (at / rowNibbles + 1) * rowNibbles); };

    for (const char c : text) {
        if (c == ' ' || c == '\r' || c == '\n' || c == '\t')
            continue;
        if (c >= 'G' && c <= 'Y') {
            count = std::min(count + static_cast<std::size_t>(c - 'G' + 1), total + 1);
            continue;
        }
        if (c >= 'g' && c <= 'z') {
            count = std::min(count + static_cast<std::size_t>(c - 'g' + 1) * 20, total + 1);
            continue;
        }
        std::size_t repeat = std::exchange(count, 0);
        if (at >= total) {
            overflow = true;
            continue;
        }
        if (const int value = hexValue(c); value >= 0) {
            repeat = std::max<std::size_t>(repeat, 1);
            if (repeat > total - at) {
                overflow = true;
                repeat = total - at;
            }
            for (std::size_t i = 0; i < repeat; ++i)
                put(value);
        } else if (c == ',' || c == '!') {
            const int value = c == ',' ? 0 : 0x0F;
            const std::size_t end = rowEnd();
            while (at < end)
                put(value);
        } else if (c == ':') {
            const std::size_t end = rowEnd();
            if (at < rowNibbles) {
                at = end; // no row above: a blank row
                continue;
            }
            while (at < end) {
                const std::size_t above = at - rowNibbles;
                put(above % 2 == 0 ? image[above / 2] >> 4 : image[above / 2] & 0x0F);
            }
        } else if (problem.empty()) {
            problem = "character ";
            problem += c >= 0x20 && c < 0x7F ? std::string(1, c)
                                             : "0x" + std::string(1, kHexDigits[(c >> 4) & 0x0F]) +
                                                   kHexDigits[c & 0x0F];
            problem += " is no hex digit";
        }
    }
    if (overflow && problem.empty())
        problem = "more data than the field's byte count";
    return problem;
}

} // namespace quillset
