#include "printer/engine/ZplZ64.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace quillset {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::uint16_t, 256> kCrcTable = [] {
    std::array<std::uint16_t, 256> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1;
        table[i] = static_cast<std::uint16_t>(crc);
    }
    return table;
}();

constexpr std::array<std::int8_t, 256> kBase64Values = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (int i = 0; i < 64; ++i)
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    return values;
}();

std::string hex4(std::uint16_t value) {
    char text[5];
    std::snprintf(text, sizeof text, "%04X", value);
    return text;
}

// Decodes base64 (padding optional); false on a character outside the
// alphabet.
bool unbase64(std::string_view text, std::vector<std::uint8_t>& out) {
    while (!text.empty() && text.back() == '=')
        text.remove_suffix(1);
    out.reserve(text.size() * 3 / 4);
    std::uint32_t bits = 0;
    int held = 0;
    for (const char c : text) {
        const int value = kBase64Values[static_cast<unsigned char>(c)];
        if (value < 0)
            return false;
        bits = (bits << 6) | static_cast<std::uint32_t>(value);
        held += 6;
        if (held >= 8) {
            held -= 8;
            out.push_back(static_cast<std::uint8_t>(bits >> held));
        }
    }
    return true;
}

std::string inflateInto(const std::vector<std::uint8_t>& deflated,
                        std::vector<std::uint8_t>& image) {
    if (image.empty())
        return {};
    z_stream stream{};
    if (inflateInit(&stream) != Z_OK)
        return "the deflated data cannot be read";
    stream.next_in = const_cast<Bytef*>(deflated.data());
    stream.avail_in = static_cast<uInt>(deflated.size());
    stream.next_out = image.data();
    stream.avail_out = static_cast<uInt>(image.size());
    const int result = inflate(&stream, Z_FINISH);
    inflateEnd(&stream);
    if (result == Z_STREAM_END)
        return {};
    if (result == Z_BUF_ERROR && stream.avail_out == 0)
        return "the data inflates to more than the field's byte count";
    return "the deflated data is damaged or cut short";
}

} // namespace

std::uint16_t crc16(std::string_view text) {
    std::uint16_t crc = 0;
    for (const char c : text)
        crc = static_cast<std::uint16_t>(
            (crc << 8) ^ kCrcTable[((crc >> 8) ^ static_cast<unsigned char>(c)) & 0xFF]);
    return crc;
}

std::string base64(const std::uint8_t* bytes, std::size_t size) {
    std::string out;
    out.reserve((size + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= size; i += 3) {
        const std::uint32_t v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += kAlphabet[v & 63];
    }
    if (size - i == 1) {
        const std::uint32_t v = bytes[i] << 16;
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += "==";
    } else if (size - i == 2) {
        const std::uint32_t v = (bytes[i] << 16) | (bytes[i + 1] << 8);
        out += kAlphabet[v >> 18];
        out += kAlphabet[(v >> 12) & 63];
        out += kAlphabet[(v >> 6) & 63];
        out += '=';
    }
    return out;
}

std::string z64Data(const std::uint8_t* bytes, std::size_t size) {
    std::vector<std::uint8_t> deflated(compressBound(static_cast<uLong>(size)));
    uLongf length = static_cast<uLongf>(deflated.size());
    // The fastest level: labels are mostly white and compress about as well.
    compress2(deflated.data(), &length, bytes, static_cast<uLong>(size), Z_BEST_SPEED);
    const std::string text = base64(deflated.data(), length);
    return ":Z64:" + text + ":" + hex4(crc16(text));
}

std::string readBase64Data(std::string_view data, std::vector<std::uint8_t>& image) {
    const bool deflated = data.starts_with(":Z64:");
    data.remove_prefix(5);
    const std::size_t colon = data.find(':');
    const std::string_view text = data.substr(0, colon);
    if (colon != std::string_view::npos) {
        std::string crc(data.substr(colon + 1, 8));
        for (char& c : crc)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        if (crc != hex4(crc16(text)))
            return "the CRC " + crc + " is not that of the data (" +
                   hex4(crc16(text)) + ")";
    }
    std::vector<std::uint8_t> bytes;
    if (!unbase64(text, bytes))
        return "the data is no base64";
    if (deflated)
        return inflateInto(bytes, image);
    std::memcpy(image.data(), bytes.data(), std::min(bytes.size(), image.size()));
    return bytes.size() > image.size() ? "more data than the field's byte count" : "";
}

} // namespace quillset
