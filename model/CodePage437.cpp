#include "model/CodePage437.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace quillset {

namespace {

// Unicode of the upper half, bytes 128 to 255.
constexpr std::array<char16_t, 128> kUpperHalf = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

} // namespace

std::int32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos++);
    if (lead < 0x80)
        return lead;
    int extra = 0;
    std::int32_t code = 0;
    std::int32_t minimum = 0;
    if ((lead & 0xE0) == 0xC0) {
        extra = 1, code = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, code = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, code = lead & 0x07, minimum = 0x10000;
    } else {
        return -1;
    }
    for (int i = 0; i < extra; ++i) {
        if (pos >= text.size() || (byte(pos) & 0xC0) != 0x80)
            return -1; // the continuation stays to be read as a character of its own
        code = (code << 6) | (byte(pos++) & 0x3F);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return -1;
    return code;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

namespace {

// How many bytes below 128 start at `pos`: those are the same in both
// encodings and are copied in one piece.
std::size_t asciiRun(std::string_view text, std::size_t pos) {
    std::size_t end = pos;
    while (end < text.size() && static_cast<unsigned char>(text[end]) < 0x80)
        ++end;
    return end - pos;
}

char unicodeToCp437(std::int32_t code) {
    return cp437Byte(code).value_or('?');
}

} // namespace

std::optional<char> cp437Byte(std::int32_t code) {
    if (code >= 0 && code < 0x80)
        return static_cast<char>(code);
    for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
        if (kUpperHalf[i] == code)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

bool isAscii(std::string_view text) {
    return asciiRun(text, 0) == text.size();
}

char32_t cp437ToUnicode(unsigned char byte) {
    return byte < 0x80 ? char32_t{byte} : char32_t{kUpperHalf[byte - 0x80]};
}

std::string utf8ToCp437(std::string_view utf8) {
    std::string out;
    appendUtf8AsCp437(out, utf8);
    return out;
}

void appendUtf8AsCp437(std::string& out, std::string_view utf8) {
    out.reserve(out.size() + utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t ascii = asciiRun(utf8, pos);
        out.append(utf8, pos, ascii);
        pos += ascii;
        if (pos < utf8.size())
            out += unicodeToCp437(decodeUtf8(utf8, pos));
    }
}

std::vector<std::string_view> charactersCp437Lacks(std::string_view utf8) {
    std::vector<std::string_view> lacking;
    for (std::size_t pos = 0; pos < utf8.size();) {
        pos += asciiRun(utf8, pos);
        if (pos == utf8.size())
            break;
        const std::size_t start = pos;
        if (unicodeToCp437(decodeUtf8(utf8, pos)) != '?')
            continue;
        const std::string_view character = utf8.substr(start, pos - start);
        if (std::find(lacking.begin(), lacking.end(), character) == lacking.end())
            lacking.push_back(character);
    }
    return lacking;
}

std::string cp437ToUtf8(std::string_view cp437) {
    std::string out;
    appendCp437AsUtf8(out, cp437);
    return out;
}

void appendCp437AsUtf8(std::string& out, std::string_view cp437) {
    out.reserve(out.size() + utf8Size(cp437));
    for (std::size_t pos = 0; pos < cp437.size();) {
        const std::size_t ascii = asciiRun(cp437, pos);
        out.append(cp437, pos, ascii);
        pos += ascii;
        if (pos < cp437.size())
            appendUtf8(out, cp437ToUnicode(static_cast<unsigned char>(cp437[pos++])));
    }
}

std::size_t utf8Size(std::string_view cp437) {
    std::size_t size = cp437.size();
    for (const char c : cp437) {
        const char32_t code = cp437ToUnicode(static_cast<unsigned char>(c));
        size += code < 0x80 ? 0 : code < 0x800 ? 1 : 2;
    }
    return size;
}

} // namespace quillset
