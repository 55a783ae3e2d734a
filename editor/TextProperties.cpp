#include "editor/TextProperties.h"

#include "document/Compile.h"
#include "model/PageObject.h"

namespace quillset {

TextEditFields textEditFieldsOf(const PageObject& text) {
    TextEditFields f;
    f.styled.copyContentFrom(text.styled);
    f.literal = text.literal;
    f.angle = text.angle;
    f.colour = text.colour;
    f.posX = text.x;
    f.posY = text.y;
    f.newObject = 0;
    return f;
}

void applyTextEditFields(PageObject& text, const TextEditFields& f, TextRenderer& measurer) {
    text.kind = ObjectKind::Text;
    text.colour = f.colour;
    text.angle = f.angle;
    text.styled.copyContentFrom(f.styled);
    text.literal = f.literal;
    text.x = f.posX;
    text.y = f.posY;
    setTextBounds(text, measurer);
}

} // namespace quillset
