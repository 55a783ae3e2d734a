#pragma once

#include "model/StyledText.h"
#include "model/TextField.h"

#include <span>
#include <vector>

namespace quillset {

// One character of the Text Edit box with the styles the box can give it.
// A line feed ends a line; its styles are ignored.
struct TextEditChar {
    char character = 0; // code page 437
    bool bold = false;
    bool underline = false;
    bool doubleSize = false; // double width and double height together

    friend bool operator==(const TextEditChar&, const TextEditChar&) = default;
};

// The two forms a text object keeps, built from what the box holds.
struct TextEditContent {
    StyledText styled;
    TextField literal;
    // The text or its literal did not fit: the user is told, and the text
    // is kept cut.
    bool overflow = false;
};

// The font list: "Font", "1" ... "15", the list index being the font number.
inline constexpr int kFontListEntries = 16;
// The list entry chosen when the dialog opens on a text of the default font.
inline constexpr int kDefaultFontListIndex = 3;
// Characters the Text Edit box accepts, line breaks included.
inline constexpr int kTextEditLimit = 200;

// The font a list index stands for: "Font" (and no choice) is font 1.
int fontForListIndex(int listIndex);

// The characters with their attributes and the same text in the script's
// literal form: a font tag first unless the default entry is chosen, then
// lower-case style tags where bold, underline or double size change, and a
// backslash before \ < > ". A text that does not fit is cut between whole
// characters, so the literal never ends inside a tag or an escape and reads
// back as exactly the characters kept.
TextEditContent buildTextEditContent(std::span<const TextEditChar> text, int fontListIndex);

// The reverse, for reopening a text: its characters with the styles they
// carry, and the list entry of its font.
std::vector<TextEditChar> textEditCharsOf(const StyledText& styled);
int fontListIndexOf(const StyledText& styled);

} // namespace quillset
