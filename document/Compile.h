#pragma once

#include <string_view>

namespace quillset {

class ObjectList;
class TextRenderer;
struct PageObject;

// Compile: script text (code page 437) into page objects. Each line becomes
// exactly one object; DrawText, DrawRectangle and DrawBarcode lines that read
// become drawing objects, every other line a ScriptLine kept as written.
// Arguments are stored as read, without range checks. Page settings are not
// touched: SetMargin and SetPageSize here are kept lines too.

// Clears the list and adds one object per line. Lines end at CR LF, a lone
// CR or a lone LF; a break at the very end adds no empty line. Lines past
// the 500th are dropped.
void loadListFromText(ObjectList& list, std::string_view text, TextRenderer& measurer);

// Appends the object for one line (without its break); a full list stays
// as it is.
void addStatement(ObjectList& list, std::string_view line, TextRenderer& measurer);

// The box a text object's characters cover, measured with the printer fonts.
void setTextBounds(PageObject& text, TextRenderer& measurer);
// The box a barcode object's bars cover.
void setBarcodeBounds(PageObject& barcode);

} // namespace quillset
