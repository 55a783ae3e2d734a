#include "language/ZplZ64.h"

#include <libdeflate.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <cstring>

namespace quillset {

namespace {

constexpr char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

// kCrc[k][b]: the CRC of byte b followed by k zero bytes, so that eight
// bytes take eight independent look-ups.
constexpr std::array<std::array<std::uint16_t, 256>, 8> kCrc = [] {
    std::array<std::array<std::uint16_t, 256>, 8> table{};
    for (unsigned i = 0; i < 256; ++i) {
        unsigned crc = i << 8;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 0x8000 ? (crc << 1) ^ 0x1021 : crc << 1;
        table[0][i] = static_cast<std::uint16_t>(crc);
    }
    for (std::size_t k = 1; k < 8; ++k) {
        for (unsigned i = 0; i < 256; ++i) {
            const unsigned crc = table[k - 1][i];
            table[k][i] = static_cast<std::uint16_t>((crc << 8) ^ table[0][crc >> 8]);
        }
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

// The zlib streams of Z64 come from libdeflate: in a third of zlib's time
// and a little shorter, which keeps a full dense page within a millisecond.
class Deflater {
public:
    Deflater()
        : compressor_(libdeflate_alloc_compressor(kLevel)) {}
    ~Deflater() { libdeflate_free_compressor(compressor_); }
    Deflater(const Deflater&) = delete;
    Deflater& operator=(const Deflater&) = delete;

    // Deflates `size` bytes into data(); returns the length of the zlib
    // stream, 0 when it could not be made.
    std::size_t deflate(const std::uint8_t* bytes, std::size_t size) {
        if (!compressor_)
            return 0;
        const std::size_t bound = libdeflate_zlib_compress_bound(compressor_, size);
        if (out_.size() < bound)
            out_.resize(bound);
        return libdeflate_zlib_compress(compressor_, bytes, size, out_.data(), out_.size());
    }
    const std::uint8_t* data() const { return out_.data(); }

private:
    static constexpr int kLevel = 1;
    libdeflate_compressor* compressor_;
    std::vector<std::uint8_t> out_;
};

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
    libdeflate_decompressor* decompressor = libdeflate_alloc_decompressor();
    if (!decompressor)
        return "the deflated data cannot be read";
    std::size_t inflated = 0;
    const libdeflate_result result = libdeflate_zlib_decompress(
        decompressor, deflated.data(), deflated.size(), image.data(), image.size(), &inflated);
    libdeflate_free_decompressor(decompressor);
    if (result == LIBDEFLATE_SUCCESS)
        return {};
    if (result == LIBDEFLATE_INSUFFICIENT_SPACE)
        return "the data inflates to more than the field's byte count";
    return "the deflated data is damaged or cut short";
}

} // namespace

std::uint16_t crc16(std::string_view text) {
    unsigned crc = 0;
    const auto* p = reinterpret_cast<const unsigned char*>(text.data());
    std::size_t n = text.size();
    for (; n >= 8; n -= 8, p += 8) {
        crc = kCrc[7][(crc >> 8) ^ p[0]] ^ kCrc[6][(crc & 0xFF) ^ p[1]] ^ kCrc[5][p[2]] ^
              kCrc[4][p[3]] ^ kCrc[3][p[4]] ^ kCrc[2][p[5]] ^ kCrc[1][p[6]] ^ kCrc[0][p[7]];
    }
    for (; n > 0; --n, ++p)
        crc = ((crc << 8) & 0xFFFF) ^ kCrc[0][(crc >> 8) ^ *p];
    return static_cast<std::uint16_t>(crc);
}

std::string base64(const std::uint8_t* bytes, std::size_t size) {
    std::string out((size + 2) / 3 * 4, '=');
    char* at = out.data();
    std::size_t i = 0;
    for (; i + 3 <= size; i += 3) {
        const std::uint32_t v = (bytes[i] << 16) | (bytes[i + 1] << 8) | bytes[i + 2];
        at[0] = kAlphabet[v >> 18];
        at[1] = kAlphabet[(v >> 12) & 63];
        at[2] = kAlphabet[(v >> 6) & 63];
        at[3] = kAlphabet[v & 63];
        at += 4;
    }
    if (i < size) {
        const std::uint32_t v = (bytes[i] << 16) | (i + 1 < size ? bytes[i + 1] << 8 : 0);
        at[0] = kAlphabet[v >> 18];
        at[1] = kAlphabet[(v >> 12) & 63];
        if (i + 1 < size)
            at[2] = kAlphabet[(v >> 6) & 63];
    }
    return out;
}

void appendZ64(std::string& out, const std::uint8_t* bytes, std::size_t size) {
    // One stream per thread, reset for each field: setting one up costs
    // about as much as deflating a small label.
    thread_local Deflater deflater;
    const std::size_t length = deflater.deflate(bytes, size);
    const std::string text = base64(deflater.data(), length);
    out += ":Z64:";
    out += text;
    out += ':';
    out += hex4(crc16(text));
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
            return "the CRC " + crc + " is not that of the data (" + hex4(crc16(text)) + ")";
    }
    std::vector<std::uint8_t> bytes;
    if (!unbase64(text, bytes))
        return "the data is no base64";
    if (deflated)
        return inflateInto(bytes, image);
    std::copy_n(bytes.begin(), std::min(bytes.size(), image.size()), image.begin());
    return bytes.size() > image.size() ? "more data than the field's byte count" : "";
}

} // namespace quillset
