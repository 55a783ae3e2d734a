#pragma once

#include "model/StyledText.h"
#include "model/TextField.h"

namespace quillset {

class TextRenderer;
struct PageObject;

// What the Text Edit dialog shows and hands back. The dialog fills `styled`
// and `literal` from its box on OK; the other fields are its controls.
struct TextEditFields {
    StyledText styled; // on opening: the characters (and styles) shown
    TextField literal; // on OK: the text in the script's literal form
    int angle = -1;    // 0..3 quarter turns, -1 none chosen
    int colour = -1;   // 0 white, 1 black, -1 none chosen
    int posX = 0;      // the text's origin
    int posY = 0;
    int newObject = 0; // non-zero: a text being created; its position is not edited
};

// An existing text, for editing.
TextEditFields textEditFieldsOf(const PageObject& text);

// Makes `text` the dialog's text at its position and angle; its box is
// measured with `measurer` as Compile measures it.
void applyTextEditFields(PageObject& text, const TextEditFields& fields, TextRenderer& measurer);

} // namespace quillset
