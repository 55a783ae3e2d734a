#pragma once

#include <optional>
#include <string>

namespace quillset {

struct PageObject;

// What the Text Edit dialog's installed-font side shows and hands back.
struct FontTextFields {
    std::string family; // UTF-8; empty: the default family
    std::string text;   // UTF-8; a line feed breaks the line
    int size = 24;      // the em in dots
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int align = 0; // 0 left, 1 centre, 2 right
    int width = 0; // 0, or the most dots a line may take
    int angle = 0; // 0..3 quarter turns
    int colour = 1;
    int x = 0; // the box's top-left corner before turning
    int y = 0;

    friend bool operator==(const FontTextFields&, const FontTextFields&) = default;
};

// The printer's resolution, for showing a size in dots as points too.
inline constexpr int kPrinterDotsPerInch = 203;

// `dots` in points at the printer's resolution.
double pointsOfDots(int dots);

FontTextFields fontTextFieldsOf(const PageObject& fontText);

// Why the fields cannot make a font text, the first reason in the order
// the user reads them, or nothing.
std::optional<std::string> checkFontTextFields(const FontTextFields& fields);

// Makes `fontText` the fields' font text with its laid-out box; checked
// fields only.
void applyFontTextFields(PageObject& fontText, const FontTextFields& fields);

} // namespace quillset
