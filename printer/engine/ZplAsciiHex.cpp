#include "printer/engine/ZplAsciiHex.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace quillset {

namespace {

constexpr char kHexDigits[] = "0123456789ABCDEF";
// z (400) and Y (19): the most one count says.
constexpr int kMaxCount = 419;

int nibbleAt(const std::uint8_t* row, int i) {
    return i % 2 == 0 ? row[i / 2] >> 4 : row[i / 2] & 0x0F;
}

void appendRun(std::string& out, char digit, int length) {
    while (length > 0) {
        const int count = std::min(length, kMaxCount);
        length -= count;
        // A count of 1 or 2 is no shorter than the digits themselves.
        if (count <= 2) {
            out.append(static_cast<std::size_t>(count), digit);
            continue;
        }
        if (count >= 20)
            out += static_cast<char>('g' + count / 20 - 1);
        if (count % 20 != 0)
            out += static_cast<char>('G' + count % 20 - 1);
        out += digit;
    }
}

void appendRow(std::string& out, const std::uint8_t* row, int rowBytes) {
    const int nibbles = rowBytes * 2;
    int end = nibbles;
    while (end > 0 && nibbleAt(row, end - 1) == 0)
        --end;
    // One trailing zero is as long as the comma.
    if (nibbles - end == 1)
        end = nibbles;
    for (int i = 0; i < end;) {
        const int digit = nibbleAt(row, i);
        int j = i + 1;
        while (j < end && nibbleAt(row, j) == digit)
            ++j;
        appendRun(out, kHexDigits[digit], j - i);
        i = j;
    }
    if (end < nibbles)
        out += ',';
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
    const auto stride = static_cast<std::size_t>(rowBytes);
    for (int y = 0; y < rowCount; ++y) {
        const std::uint8_t* row = rows + static_cast<std::size_t>(y) * stride;
        if (y > 0 && std::memcmp(row, row - stride, stride) == 0)
            out += ':';
        else
            appendRow(out, row, rowBytes);
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
            for (std::size_t end = rowEnd(); at < end;)
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
