#include "editor/TextEditContent.h"

#include <algorithm>
#include <string>

namespace quillset {

namespace {

// What one character of the box adds: its entry in the characters and its
// source in the literal (any tags it switches, its escape, itself).
struct Item {
    char character;
    std::uint8_t attribute;
    std::string source;
};

class LiteralWriter {
public:
    explicit LiteralWriter(int font)
        : font_(static_cast<std::uint8_t>(font)) {}

    Item item(const TextEditChar& c) {
        if (c.character == '\n')
            return {'\n', attribute(), "\\n"};
        std::string source;
        toggle(source, bold_, c.bold, "<b>", "</b>");
        toggle(source, underline_, c.underline, "<u>", "</u>");
        toggle(source, double_, c.doubleSize, "<h=2><w=2>", "<h=1><w=1>");
        if (c.character == '\\' || c.character == '<' || c.character == '>' || c.character == '"')
            source += '\\';
        source += c.character;
        return {c.character, attribute(), std::move(source)};
    }

private:
    static void toggle(std::string& source, bool& state, bool on, const char* open,
                       const char* close) {
        if (on != state)
            source += on ? open : close;
        state = on;
    }

    // What the script reader gives the character after the tags so far.
    std::uint8_t attribute() const {
        std::uint8_t a = font_;
        if (bold_)
            a |= attr::kBold;
        if (underline_)
            a |= attr::kUnderline;
        if (double_)
            a |= attr::kDoubleWidth | attr::kDoubleHeight;
        return a;
    }

    std::uint8_t font_;
    bool bold_ = false;
    bool underline_ = false;
    bool double_ = false;
};

} // namespace

int fontForListIndex(int listIndex) {
    return std::clamp(listIndex, 1, kFontListEntries - 1);
}

TextEditContent buildTextEditContent(std::span<const TextEditChar> text, int fontListIndex) {
    const int font = fontForListIndex(fontListIndex);
    std::string literal;
    if (fontListIndex != kDefaultFontListIndex)
        literal = "<f=" + std::to_string(font) + ">";

    LiteralWriter writer(font);
    std::vector<Item> items;
    items.reserve(text.size());
    std::size_t literalSize = literal.size();
    for (const TextEditChar& c : text) {
        items.push_back(writer.item(c));
        literalSize += items.back().source.size();
    }

    TextEditContent content;
    // Both fields need their terminating zero.
    content.overflow = items.size() + 1 >= kFieldSize || literalSize + 1 >= kFieldSize;
    std::size_t kept = 0;
    for (const Item& item : items) {
        if (kept + 1 > kMaxFieldChars || literal.size() + item.source.size() > kMaxFieldChars)
            break;
        content.styled.chars[kept] = item.character;
        content.styled.attrs[kept] = item.attribute;
        literal += item.source;
        ++kept;
    }
    content.literal.assign(literal);
    return content;
}

std::vector<TextEditChar> textEditCharsOf(const StyledText& styled) {
    std::vector<TextEditChar> chars;
    const std::size_t length = styled.length();
    chars.reserve(length);
    for (std::size_t i = 0; i < length; ++i) {
        const std::uint8_t a = styled.attrs[i];
        chars.push_back({styled.chars[i], (a & attr::kBold) != 0, (a & attr::kUnderline) != 0,
                         (a & (attr::kDoubleWidth | attr::kDoubleHeight)) != 0});
    }
    return chars;
}

int fontListIndexOf(const StyledText& styled) {
    const std::size_t length = styled.length();
    for (std::size_t i = 0; i < length; ++i) {
        if (styled.chars[i] == '\n')
            continue;
        const int font = styled.attrs[i] & attr::kFontMask;
        // Font 0 draws as the default font, and "Font" in the list would
        // store font 1.
        return font == 0 ? kDefaultFontListIndex : font;
    }
    return kDefaultFontListIndex;
}

} // namespace quillset
