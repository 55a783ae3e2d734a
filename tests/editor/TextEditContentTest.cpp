#include "editor/TextEditContent.h"

#include "model/ScriptReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillset {
namespace {

// One style letter per character: . plain, b bold, u underline, d double
// size, B bold and underline, D bold and double size.
std::vector<TextEditChar> typed(const std::string& text, std::string styles = {}) {
    styles.resize(text.size(), '.');
    std::vector<TextEditChar> chars;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char s = styles[i];
        chars.push_back({text[i], s == 'b' || s == 'B' || s == 'D', s == 'u' || s == 'B',
                         s == 'd' || s == 'D'});
    }
    return chars;
}

std::vector<int> attrsOf(const StyledText& styled) {
    return {styled.attrs.begin(), styled.attrs.begin() + static_cast<long>(styled.length())};
}

// The characters and attributes the script reader gives the literal.
StyledText readBack(std::string_view literal) {
    ScriptReader reader;
    const std::string line = "DrawText(0,0,1,0,\"" + std::string(literal) + "\");";
    int pos = 0;
    reader.readKeyword(line, pos);
    EXPECT_TRUE(reader.readNumbersAndString(line, pos, 4)) << line;
    return reader.text;
}

TEST(TextEditContent, LiteralAndAttributes) {
    const struct {
        const char* why;
        std::string text;
        std::string styles;
        int fontIndex;
        std::string literal;
        std::vector<int> attrs;
    } cases[] = {
        {"no choice in the list is font 1", "Hi", "", -1, "<f=1>Hi", {1, 1}},
        {"underline, then double size", "ab", "ud", 5, "<f=5><u>a</u><h=2><w=2>b", {37, 197}},
        {"double size switched off again", "ab", "d.", 3, "<h=2><w=2>a<h=1><w=1>b", {195, 3}},
        {"tags in bold, underline, size order", "a", "B", 3, "<b><u>a", {51}},
        {"a line break keeps the styles open", "a\nb", "b.b", 3, "<b>a\\nb", {19, 19, 19}},
        {"the four escaped characters", "<a>\\\"", "", 3, "\\<a\\>\\\\\\\"", {3, 3, 3, 3, 3}},
        {"an empty box", "", "", 3, "", {}},
        {"an empty box in another font still has its tag", "", "", 7, "<f=7>", {}},
    };
    for (const auto& c : cases) {
        const TextEditContent content = buildTextEditContent(typed(c.text, c.styles), c.fontIndex);
        EXPECT_EQ(content.literal.view(), c.literal) << c.why;
        EXPECT_EQ(content.styled.text(), c.text) << c.why;
        EXPECT_EQ(attrsOf(content.styled), c.attrs) << c.why;
        EXPECT_FALSE(content.overflow) << c.why;
        EXPECT_TRUE(readBack(content.literal.view()).sameContent(content.styled)) << c.why;
    }
}

TEST(TextEditContent, OverflowKeepsWholeItems) {
    const std::string alternating = [] {
        std::string s;
        for (int i = 0; i < 150; ++i)
            s += i % 2 ? '.' : 'b';
        return s;
    }();
    const struct {
        const char* why;
        std::string text;
        std::string styles;
        int fontIndex;
        bool overflow;
        std::size_t charsKept;
        std::size_t literalSize;
    } cases[] = {
        {"198 characters fit", std::string(198, 'a'), "", 3, false, 198, 198},
        {"199 characters are kept but reported", std::string(199, 'a'), "", 3, true, 199, 199},
        {"200 characters lose the last", std::string(200, 'a'), "", 3, true, 199, 199},
        {"a font tag counts in the literal", std::string(194, 'a'), "", 12, true, 193, 199},
        {"an escape that does not fit is left out whole", std::string(198, 'a') + "<", "", 3, true,
         198, 198},
        {"a tag that does not fit goes with its character", std::string(196, 'a') + "b",
         std::string(196, '.') + "b", 3, true, 196, 196},
        {"a line break that does not fit is left out whole", std::string(198, 'a') + "\nb", "", 3,
         true, 198, 198},
        {"150 bold toggles overflow the literal long before the characters", std::string(150, 'x'),
         alternating, 3, true, 44, 198},
    };
    for (const auto& c : cases) {
        const TextEditContent content = buildTextEditContent(typed(c.text, c.styles), c.fontIndex);
        EXPECT_EQ(content.overflow, c.overflow) << c.why;
        EXPECT_EQ(content.styled.length(), c.charsKept) << c.why;
        EXPECT_EQ(content.literal.view().size(), c.literalSize) << c.why;
        EXPECT_EQ(content.styled.text(), c.text.substr(0, c.charsKept)) << c.why;
        EXPECT_TRUE(readBack(content.literal.view()).sameContent(content.styled)) << c.why;
    }
}

TEST(TextEditContent, ReopenedTextKeepsItsStylesAndFont) {
    const struct {
        const char* why;
        std::string literal;
        int fontIndex;
        bool sameAttributes; // else only the characters and their styles return
    } cases[] = {
        {"bold in the default font", "a<b>bold</b>c", 3, true},
        {"font 12 with every style and two lines", "<f=12>x<u>y\\n<h=2><w=2>z", 12, true},
        {"font 0 draws as the default font", "<f=0>abc", 3, false},
        {"an empty text", "", 3, true},
        {"the font of the first character, past line breaks", "\\n\\n<f=9>q", 9, false},
    };
    for (const auto& c : cases) {
        const StyledText stored = readBack(c.literal);
        EXPECT_EQ(fontListIndexOf(stored), c.fontIndex) << c.why;
        const std::vector<TextEditChar> shown = textEditCharsOf(stored);
        const TextEditContent again = buildTextEditContent(shown, fontListIndexOf(stored));
        EXPECT_EQ(again.styled.sameContent(stored), c.sameAttributes) << c.why;
        EXPECT_EQ(textEditCharsOf(again.styled), shown) << c.why;
    }
}

TEST(TextEditContent, EitherDoublingShowsAsDoubleSize) {
    StyledText styled;
    styled.assign("wh", 3);
    styled.attrs[0] = 3 | attr::kDoubleWidth;
    styled.attrs[1] = 3 | attr::kDoubleHeight;
    for (const TextEditChar& c : textEditCharsOf(styled))
        EXPECT_TRUE(c.doubleSize) << c.character;
}

} // namespace
} // namespace quillset
