#include "model/ScriptReader.h"

#include "model/CodePage437.h"
#include "model/FontTextStyle.h"

#include <algorithm>
#include <string>

namespace quillset {

namespace {

// What is wrong with a font text's size, style, alignment or width, or
// nullptr when each is one the text can be drawn with.
const char* fontTextNumbersWrong(const std::array<std::int16_t, ScriptReader::kMaxArguments>& args) {
    if (args[4] < kMinFontSize || args[4] > kMaxFontSize)
        return "size must be 6 to 600";
    if (args[5] < 0 || args[5] > (fontstyle::kBold | fontstyle::kItalic | fontstyle::kUnderline))
        return "style must be 0 to 7";
    if (args[6] < 0 || args[6] > 2)
        return "align must be 0, 1 or 2";
    if (args[7] < 0)
        return "width must be 0 or more";
    return nullptr;
}

char at(std::string_view line, int pos) {
    return pos >= 0 && static_cast<std::size_t>(pos) < line.size() ? line[pos] : '\0';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isLetter(char c) {
    return c >= 'A' && c <= 'Z';
}

char upper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

std::int16_t clampToInt16(long value) {
    return static_cast<std::int16_t>(std::clamp<long>(value, -32768, 32767));
}

struct KeywordEntry {
    std::string_view word;
    Keyword code;
};

constexpr KeywordEntry kKeywords[] = {
    {"BEGINPAGE", Keyword::BeginPage},     {"ENDPAGE", Keyword::EndPage},
    {"DRAWTEXT", Keyword::DrawText},       {"DRAWRECTANGLE", Keyword::DrawRectangle},
    {"DRAWBARCODE", Keyword::DrawBarcode}, {"SETMARGIN", Keyword::SetMargin},
    {"SETPAGESIZE", Keyword::SetPageSize}, {"DRAWSYMBOL", Keyword::DrawSymbol},
    {"DRAWPICTURE", Keyword::DrawPicture}, {"DRAWFONTTEXT", Keyword::DrawFontText},
};

bool isHexDigit(char c) {
    return isDigit(c) || (upper(c) >= 'A' && upper(c) <= 'F');
}

int hexValue(char c) {
    return isDigit(c) ? c - '0' : upper(c) - 'A' + 10;
}

} // namespace

bool ScriptReader::fail(int position, const char* reason) {
    failure = {position, reason};
    return false;
}

Keyword ScriptReader::readKeyword(std::string_view line, int& pos) {
    pos = 0;
    for (int blanks = 0; blanks < kMaxSteps && at(line, pos) == ' '; ++blanks)
        ++pos;
    std::string word;
    for (char c = upper(at(line, pos)); isLetter(c); c = upper(at(line, pos))) {
        if (word.size() == kMaxKeywordLetters) {
            fail(pos, "keyword too long");
            return Keyword::None;
        }
        word += c;
        ++pos;
    }
    for (const auto& entry : kKeywords) {
        if (entry.word == word)
            return entry.code;
    }
    fail(0, "unknown statement");
    return Keyword::None;
}

Keyword ScriptReader::readDrawingStatement(std::string_view line) {
    int pos = 0;
    const Keyword keyword = readKeyword(line, pos);
    bool read = false;
    switch (keyword) {
    case Keyword::DrawRectangle:
        read = readNumbersAndClose(line, pos, 6);
        break;
    case Keyword::DrawText:
        read = readNumbersAndString(line, pos, 4);
        break;
    case Keyword::DrawBarcode:
    case Keyword::DrawSymbol:
    case Keyword::DrawPicture:
        read = readNumbersAndString(line, pos, 6);
        break;
    case Keyword::DrawFontText:
        read = readFontText(line, pos);
        break;
    default:
        break;
    }
    return read ? keyword : Keyword::None;
}

unsigned ScriptReader::readNumber(std::string_view line, int& pos) {
    unsigned value = 0;
    for (int digits = 0; digits < 5 && isDigit(at(line, pos)); ++digits) {
        const unsigned d = static_cast<unsigned>(at(line, pos++) - '0');
        if (value > 6553 || (value == 6553 && d >= 6))
            value = 65535;
        else
            value = value * 10 + d;
    }
    return value;
}

bool ScriptReader::readNumbers(std::string_view line, int& pos, int n) {
    enum class State { Open, Number, Negative, After };
    args.fill(0);
    State state = State::Open;
    int count = 0;
    for (int steps = 0; steps < kMaxSteps; ++steps) {
        const char c = at(line, pos++);
        if (c == ' ')
            continue;
        switch (state) {
        case State::Open:
            if (c != '(')
                return fail(pos - 1, "expected '('");
            state = n > 0 ? State::Number : State::After;
            break;
        case State::Number:
        case State::Negative:
            if (c == '-' && state == State::Number) {
                state = State::Negative;
            } else if (isDigit(c)) {
                --pos;
                const long value = static_cast<long>(readNumber(line, pos));
                args[static_cast<std::size_t>(count++)] =
                    clampToInt16(state == State::Negative ? -value : value);
                state = State::After;
            } else {
                return fail(pos - 1, "expected a number");
            }
            break;
        case State::After:
            if (count == n) {
                --pos;
                return true;
            }
            if (c != ',')
                return fail(pos - 1, "expected ','");
            state = State::Number;
            break;
        }
    }
    return fail(pos, "too many steps");
}

bool ScriptReader::readNumbersAndClose(std::string_view line, int& pos, int n) {
    if (!readNumbers(line, pos, n))
        return false;
    if (at(line, pos) != ')')
        return fail(pos, "expected ')'");
    ++pos;
    return true;
}

bool ScriptReader::readNumbersAndString(std::string_view line, int& pos, int n) {
    if (!readNumbers(line, pos, n))
        return false;
    if (at(line, pos) != ',')
        return fail(pos, "expected ','");
    ++pos;
    return readString(line, pos);
}

bool ScriptReader::expect(std::string_view line, int& pos, char c) {
    for (int blanks = 0; blanks < kMaxSteps && at(line, pos) == ' '; ++blanks)
        ++pos;
    return at(line, pos++) == c;
}

bool ScriptReader::readString(std::string_view line, int& pos) {
    if (!expect(line, pos, '"'))
        return fail(pos - 1, "expected '\"'");
    text.openQuote = pos - 1;
    text.clear();
    std::uint8_t attribute = attr::kDefault;
    bool escape = false;
    std::size_t stored = 0;
    const auto store = [&](char c) {
        // A closed literal has at most 199 characters (200 items, one of
        // them the closing quote); the zero after them always fits.
        if (stored < kMaxFieldChars) {
            text.chars[stored] = c;
            text.attrs[stored] = attribute;
            ++stored;
        }
        escape = false;
    };
    for (int items = 0; items < kMaxSteps; ++items) {
        const char c = at(line, pos++);
        switch (c) {
        case '\0':
        case '\r':
        case '\n':
            return fail(pos - 1, "string not closed");
        case '\\':
            if (escape)
                store('\\');
            else
                escape = true;
            break;
        case '"':
            if (escape) {
                store('"');
                break;
            }
            text.closeQuote = pos - 1;
            if (!expect(line, pos, ')'))
                return fail(pos - 1, "expected ')'");
            return true;
        case 'n':
            store(escape ? '\n' : 'n');
            break;
        case '<':
            if (escape)
                store('<');
            else if (!readTag(line, pos, attribute))
                return false;
            break;
        default:
            store(c);
            break;
        }
    }
    return fail(pos, "string too long");
}

bool ScriptReader::readFontText(std::string_view line, int& pos) {
    if (!readNumbers(line, pos, 8))
        return false;
    if (const char* wrong = fontTextNumbersWrong(args))
        return fail(pos - 1, wrong);
    if (!expect(line, pos, ','))
        return fail(pos - 1, "expected ','");
    if (!expect(line, pos, '"'))
        return fail(pos - 1, "expected '\"'");
    if (!readUnicodeString(line, pos, fontFamily))
        return false;
    if (!expect(line, pos, ','))
        return fail(pos - 1, "expected ','");
    if (!expect(line, pos, '"'))
        return fail(pos - 1, "expected '\"'");
    text.clear();
    text.openQuote = pos - 1;
    if (!readUnicodeString(line, pos, fontText))
        return false;
    text.closeQuote = pos - 1;
    if (!expect(line, pos, ')'))
        return fail(pos - 1, "expected ')'");
    return true;
}

bool ScriptReader::readUnicodeString(std::string_view line, int& pos, std::string& out) {
    out.clear();
    std::size_t characters = 0;
    bool escape = false;
    for (int steps = 0; steps < kMaxUnicodeSteps; ++steps) {
        const char c = at(line, pos++);
        if (c == '\0' || c == '\r' || c == '\n')
            return fail(pos - 1, "string not closed");
        if (!escape && c == '"')
            return true;
        if (!escape && c == '\\') {
            escape = true;
            continue;
        }
        if (++characters > kMaxFieldChars)
            return fail(pos - 1, "string too long");
        if (escape && c == 'n') {
            out += '\n';
        } else if (escape && c == 'u' && at(line, pos) == '{') {
            if (!readCodePointEscape(line, pos, out))
                return false;
        } else {
            appendUtf8(out, cp437ToUnicode(static_cast<unsigned char>(c)));
        }
        escape = false;
    }
    return fail(pos, "string too long");
}

// The rest of \u{HEX} after its 'u': one to six hex digits of a Unicode
// scalar value other than zero, and the closing brace.
bool ScriptReader::readCodePointEscape(std::string_view line, int& pos, std::string& out) {
    const int start = pos - 2;
    ++pos;
    std::uint32_t code = 0;
    int digits = 0;
    for (; digits < 7 && isHexDigit(at(line, pos)); ++digits)
        code = code * 16 + static_cast<std::uint32_t>(hexValue(at(line, pos++)));
    if (digits == 0 || digits > 6 || at(line, pos) != '}' || code == 0 || code > 0x10FFFF ||
        (code >= 0xD800 && code <= 0xDFFF))
        return fail(start, "bad \\u{...} character");
    ++pos;
    appendUtf8(out, code);
    return true;
}

bool ScriptReader::readTag(std::string_view line, int& pos, std::uint8_t& attribute) {
    enum class State { Start, Equals, Value, Off, Close };
    State state = State::Start;
    char letter = 0;
    unsigned value = 0;
    for (int steps = 0; steps < kMaxSteps; ++steps) {
        const char c = upper(at(line, pos++));
        if (c == '\0' || c == '\r' || c == '\n' || c == '"')
            return fail(pos - 1, "tag not closed");
        if (c == ' ')
            continue;
        switch (state) {
        case State::Start:
            if (c == 'H' || c == 'W' || c == 'F')
                state = State::Equals;
            else if (c == 'B' || c == 'U')
                state = State::Close;
            else if (c == '/')
                state = State::Off;
            else
                return fail(pos - 1, "unknown tag");
            letter = c;
            break;
        case State::Equals:
            if (c != '=')
                return fail(pos - 1, "expected '='");
            state = State::Value;
            break;
        case State::Value:
            if (!isDigit(c))
                return fail(pos - 1, "expected a number");
            --pos;
            value = readNumber(line, pos);
            state = State::Close;
            break;
        case State::Off:
            if (c != 'B' && c != 'U')
                return fail(pos - 1, "unknown tag");
            letter = c == 'B' ? 'b' : 'u'; // lower case marks "off"
            state = State::Close;
            break;
        case State::Close:
            if (c != '>')
                return fail(pos - 1, "expected '>'");
            switch (letter) {
            case 'F':
                attribute = static_cast<std::uint8_t>((attribute & ~attr::kFontMask) |
                                                      (value <= 15 ? value : attr::kDefault));
                break;
            case 'B':
                attribute |= attr::kBold;
                break;
            case 'b':
                attribute &= static_cast<std::uint8_t>(~attr::kBold);
                break;
            case 'U':
                attribute |= attr::kUnderline;
                break;
            case 'u':
                attribute &= static_cast<std::uint8_t>(~attr::kUnderline);
                break;
            case 'W':
                attribute = value >= 2 ? attribute | attr::kDoubleWidth
                                       : attribute & static_cast<std::uint8_t>(~attr::kDoubleWidth);
                break;
            case 'H':
                attribute = value >= 2
                                ? attribute | attr::kDoubleHeight
                                : attribute & static_cast<std::uint8_t>(~attr::kDoubleHeight);
                break;
            }
            return true;
        }
    }
    return fail(pos, "tag too long");
}

} // namespace quillset
