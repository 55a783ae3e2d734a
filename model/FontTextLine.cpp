#include "model/FontTextLine.h"

#include "model/CodePage437.h"

#include <cstdint>

namespace quillset {

namespace {

constexpr std::string_view kKeyword = "DRAWFONTTEXT";

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = upper(c);
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// Whether the pane may show the character itself: not a control, nor a
// character that would break the pane's line.
bool shownInPane(std::int32_t code) {
    return code >= 0x20 && !(code >= 0x7F && code < 0xA0) && code != 0x2028 && code != 0x2029;
}

// The code point of "u{HEX}" at `pos` (just after its backslash) and where
// it ends, when the escape is the very one a line written from the pane
// gets back: a character the code page lacks and the pane shows, in upper
// case hexadecimal without leading zeros. Any other escape stays as it is
// written, so that a line read from a file is written back byte for byte.
std::int32_t lackedCodePoint(std::string_view line, std::size_t pos, std::size_t& end) {
    if (pos + 2 >= line.size() || line[pos] != 'u' || line[pos + 1] != '{' || line[pos + 2] == '0')
        return -1;
    std::int32_t code = 0;
    std::size_t i = pos + 2;
    for (; i < line.size() && i < pos + 9 && hexValue(line[i]) >= 0 && upper(line[i]) == line[i];
         ++i)
        code = code * 16 + hexValue(line[i]);
    const std::size_t digits = i - (pos + 2);
    if (digits == 0 || digits > 6 || i >= line.size() || line[i] != '}' || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF) || cp437Byte(code) || !shownInPane(code))
        return -1;
    end = i + 1;
    return code;
}

void appendCodePointEscape(std::string& out, std::int32_t code) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string digits;
    for (; code > 0 || digits.empty(); code /= 16)
        digits.insert(digits.begin(), kHex[code % 16]);
    out += "u{" + digits + '}';
}

} // namespace

bool isFontTextLine(std::string_view line) {
    std::size_t i = line.find_first_not_of(' ');
    if (i == std::string_view::npos || line.size() - i < kKeyword.size())
        return false;
    for (const char k : kKeyword) {
        if (upper(line[i++]) != k)
            return false;
    }
    const char next = i < line.size() ? upper(line[i]) : '\0';
    return next < 'A' || next > 'Z';
}

void appendUtf8LineAsCp437(std::string& out, std::string_view utf8Line) {
    if (isFontTextLine(utf8Line))
        appendUtf8AsCp437Escaped(out, utf8Line);
    else
        appendUtf8AsCp437(out, utf8Line);
}

void appendUtf8AsCp437Escaped(std::string& out, std::string_view utf8) {
    bool escape = false; // the last byte written is a backslash that escapes
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::int32_t code = decodeUtf8(utf8, pos);
        const auto byte = cp437Byte(code);
        if (byte || code < 0) {
            out += byte.value_or('?');
            escape = byte && !escape && *byte == '\\';
            continue;
        }
        // An escaped character is the character itself: the escape's
        // backslash begins the \u{...} that writes it.
        if (!escape)
            out += '\\';
        appendCodePointEscape(out, code);
        escape = false;
    }
}

void appendCp437LineAsUtf8(std::string& out, std::string_view cp437Line) {
    if (!isFontTextLine(cp437Line)) {
        appendCp437AsUtf8(out, cp437Line);
        return;
    }
    bool escape = false;
    for (std::size_t pos = 0; pos < cp437Line.size();) {
        std::size_t end = 0;
        const std::int32_t code = escape ? lackedCodePoint(cp437Line, pos, end) : -1;
        if (code >= 0) {
            out.pop_back(); // the backslash that began the escape
            appendUtf8(out, static_cast<char32_t>(code));
            pos = end;
            escape = false;
            continue;
        }
        const char c = cp437Line[pos++];
        appendUtf8(out, cp437ToUnicode(static_cast<unsigned char>(c)));
        escape = !escape && c == '\\';
    }
}

void appendUnicodeLiteral(std::string& out, std::string_view utf8) {
    for (std::size_t pos = 0; pos < utf8.size();) {
        const std::size_t start = pos;
        const std::int32_t code = decodeUtf8(utf8, pos);
        if (code == '"' || code == '\\') {
            out += '\\';
            out += static_cast<char>(code);
        } else if (code == '\n') {
            out += "\\n";
        } else if (!shownInPane(code)) {
            if (code < 0) {
                out += '?';
            } else {
                out += '\\';
                appendCodePointEscape(out, code);
            }
        } else {
            out.append(utf8, start, pos - start);
        }
    }
}

} // namespace quillset
