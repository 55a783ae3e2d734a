#include "picture/PictureText.h"

#include <libdeflate.h>

#include <array>
#include <memory>

namespace quillset {

namespace {

constexpr std::string_view kAlphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";

constexpr std::array<std::int8_t, 256> kValues = [] {
    std::array<std::int8_t, 256> values{};
    values.fill(-1);
    for (std::size_t i = 0; i < kAlphabet.size(); ++i)
        values[static_cast<unsigned char>(kAlphabet[i])] = static_cast<std::int8_t>(i);
    return values;
}();

struct CompressorFree {
    void operator()(libdeflate_compressor* c) const { libdeflate_free_compressor(c); }
};
struct DecompressorFree {
    void operator()(libdeflate_decompressor* d) const { libdeflate_free_decompressor(d); }
};

std::string base64(const std::vector<std::uint8_t>& bytes) {
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t i = 0; i < bytes.size(); i += 3) {
        const std::size_t n = std::min<std::size_t>(3, bytes.size() - i);
        std::uint32_t group = static_cast<std::uint32_t>(bytes[i]) << 16;
        if (n > 1)
            group |= static_cast<std::uint32_t>(bytes[i + 1]) << 8;
        if (n > 2)
            group |= bytes[i + 2];
        for (std::size_t k = 0; k < 4; ++k)
            out += k <= n ? kAlphabet[(group >> (18 - 6 * k)) & 63] : '=';
    }
    return out;
}

// Strict: whole groups of four, padding only at the very end.
bool unbase64(std::string_view text, std::vector<std::uint8_t>& out) {
    if (text.size() % 4 != 0)
        return false;
    out.reserve(text.size() / 4 * 3);
    for (std::size_t i = 0; i < text.size(); i += 4) {
        const bool last = i + 4 == text.size();
        int padding = 0;
        std::uint32_t group = 0;
        for (std::size_t k = 0; k < 4; ++k) {
            const char c = text[i + k];
            if (c == '=' && last && k >= 2) {
                ++padding;
                group <<= 6;
                continue;
            }
            const int value = kValues[static_cast<unsigned char>(c)];
            if (value < 0 || padding > 0)
                return false;
            group = group << 6 | static_cast<std::uint32_t>(value);
        }
        out.push_back(static_cast<std::uint8_t>(group >> 16));
        if (padding < 2)
            out.push_back(static_cast<std::uint8_t>(group >> 8));
        if (padding < 1)
            out.push_back(static_cast<std::uint8_t>(group));
    }
    return true;
}

} // namespace

bool isPictureLine(std::string_view line) {
    if (line.size() < 2 || line.size() > kPictureLineChars + 1 || line[0] != kPictureLineMark)
        return false;
    for (const char c : line.substr(1)) {
        if (c != '=' && kValues[static_cast<unsigned char>(c)] < 0)
            return false;
    }
    return true;
}

std::string pictureBody(const std::vector<std::uint8_t>& rows) {
    const std::unique_ptr<libdeflate_compressor, CompressorFree> compressor(
        libdeflate_alloc_compressor(9));
    std::vector<std::uint8_t> deflated(libdeflate_zlib_compress_bound(compressor.get(), rows.size()));
    deflated.resize(libdeflate_zlib_compress(compressor.get(), rows.data(), rows.size(),
                                             deflated.data(), deflated.size()));
    const std::string text = base64(deflated);
    std::string body;
    body.reserve(text.size() + text.size() / kPictureLineChars * 2 + 2);
    for (std::size_t at = 0; at < text.size(); at += kPictureLineChars) {
        body += kPictureLineMark;
        body.append(text, at, kPictureLineChars);
        body += '\n';
    }
    return body;
}

PictureRows readPictureBody(std::string_view body, int width, int height) {
    PictureRows read;
    std::string text;
    text.reserve(body.size());
    while (!body.empty()) {
        const std::size_t end = body.find('\n');
        const std::string_view line = body.substr(0, end);
        body.remove_prefix(end == std::string_view::npos ? body.size() : end + 1);
        if (!isPictureLine(line)) {
            read.failure = "a line of the picture's dots is damaged";
            return read;
        }
        text += line.substr(1);
    }
    std::vector<std::uint8_t> deflated;
    if (text.empty() || !unbase64(text, deflated)) {
        read.failure = "the picture's dots are not whole";
        return read;
    }
    const auto rowBytes = static_cast<std::size_t>((width + 7) / 8);
    read.rows.resize(rowBytes * static_cast<std::size_t>(height));
    const std::unique_ptr<libdeflate_decompressor, DecompressorFree> decompressor(
        libdeflate_alloc_decompressor());
    std::size_t used = 0;
    const libdeflate_result result =
        libdeflate_zlib_decompress_ex(decompressor.get(), deflated.data(), deflated.size(),
                                      read.rows.data(), read.rows.size(), &used, nullptr);
    if (result != LIBDEFLATE_SUCCESS || used != deflated.size()) {
        read.rows.clear();
        read.failure = "the picture's dots do not match its size";
        return read;
    }
    if (width % 8 != 0) {
        const auto keep = static_cast<std::uint8_t>(0xFF << (8 - width % 8));
        for (std::size_t at = rowBytes - 1; at < read.rows.size(); at += rowBytes)
            read.rows[at] &= keep;
    }
    return read;
}

} // namespace quillset
