#include "editor/FontTextProperties.h"

#include "document/FontTextObject.h"
#include "model/CodePage437.h"
#include "model/FontTextStyle.h"
#include "model/Limits.h"
#include "model/PageObject.h"

namespace quillset {

namespace {

constexpr double kPointsPerInch = 72.0;

std::size_t characterCount(const std::string& utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count)
        decodeUtf8(utf8, pos);
    return count;
}

constexpr const char* kTooLong = " characters at most";

} // namespace

double pointsOfDots(int dots) {
    return dots * kPointsPerInch / kPrinterDotsPerInch;
}

FontTextFields fontTextFieldsOf(const PageObject& o) {
    FontTextFields f;
    f.family = o.fontFamily;
    f.text = o.fontText;
    f.size = o.fontSize;
    f.bold = (o.fontStyle & fontstyle::kBold) != 0;
    f.italic = (o.fontStyle & fontstyle::kItalic) != 0;
    f.underline = (o.fontStyle & fontstyle::kUnderline) != 0;
    f.align = o.fontAlign;
    f.width = o.fontWidth;
    f.angle = o.angle;
    f.colour = o.colour;
    f.x = o.x;
    f.y = o.y;
    return f;
}

std::optional<std::string> checkFontTextFields(const FontTextFields& f) {
    if (characterCount(f.family) > kMaxFieldChars)
        return "A family name has " + std::to_string(kMaxFieldChars) + kTooLong + ".";
    if (f.size < kMinFontSize || f.size > kMaxFontSize)
        return "The size is " + std::to_string(kMinFontSize) + " to " +
               std::to_string(kMaxFontSize) + " dots.";
    if (f.width < 0)
        return "The width to shrink into is 0 (none) or a number of dots.";
    if (f.text.empty())
        return "The text is empty.";
    if (characterCount(f.text) > kMaxFieldChars)
        return "The text has " + std::to_string(kMaxFieldChars) + kTooLong +
               ", a line break counting as one.";
    return std::nullopt;
}

void applyFontTextFields(PageObject& o, const FontTextFields& f) {
    o.kind = ObjectKind::FontText;
    o.fontFamily = f.family;
    o.fontText = f.text;
    o.fontSize = f.size;
    o.fontStyle = (f.bold ? fontstyle::kBold : 0) | (f.italic ? fontstyle::kItalic : 0) |
                  (f.underline ? fontstyle::kUnderline : 0);
    o.fontAlign = f.align;
    o.fontWidth = f.width;
    o.angle = f.angle;
    o.colour = f.colour;
    o.x = f.x;
    o.y = f.y;
    setFontTextBounds(o);
}

} // namespace quillset
