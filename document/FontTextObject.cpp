#include "document/FontTextObject.h"

#include "font/FontEngine.h"
#include "model/FontTextStyle.h"
#include "model/PageObject.h"
#include "model/ScriptReader.h"
#include "raster/TextRenderer.h"

namespace quillset {

FontTextRequest fontTextRequest(const PageObject& o) {
    return {o.fontFamily, o.fontText, o.fontSize, o.fontStyle, o.fontAlign, o.fontWidth};
}

std::shared_ptr<const FontTextLayout> fontTextLayout(const PageObject& o) {
    return FontEngine::shared().layout(fontTextRequest(o));
}

void fillFontText(const ScriptReader& reader, PageObject& o) {
    const auto& a = reader.args;
    o.kind = ObjectKind::FontText;
    o.x = a[0];
    o.y = a[1];
    o.colour = a[2];
    o.angle = a[3];
    o.fontSize = a[4];
    o.fontStyle = a[5];
    o.fontAlign = a[6];
    o.fontWidth = a[7];
    o.fontFamily = reader.fontFamily;
    o.fontText = reader.fontText;
    setFontTextBounds(o);
}

void setFontTextBounds(PageObject& o) {
    const auto text = fontTextLayout(o);
    const bool across = o.angle == 1 || o.angle == 3;
    const TextBox box = TextBounds(o.x, o.y, o.angle, across ? text->width : text->height,
                                   across ? text->height : text->width);
    o.left = box.left;
    o.top = box.top;
    o.right = box.right;
    o.bottom = box.bottom;
}

std::string quotedCharacters(const std::vector<std::string>& characters) {
    std::string text;
    for (const std::string& c : characters)
        text += (text.empty() ? "'" : ", '") + c + "'";
    return text;
}

std::vector<std::string> fontTextProblems(const FontTextLayout& text, int width) {
    std::vector<std::string> problems;
    if (!text.missing.empty())
        problems.push_back("no installed font has " + quotedCharacters(text.missing));
    if (!text.fits)
        problems.push_back("a line is wider than " + std::to_string(width) +
                           " dots even at size " + std::to_string(kMinFontSize));
    return problems;
}

} // namespace quillset
