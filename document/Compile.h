#pragma once

#include <string>
#include <string_view>

namespace quillset {

class KeptLines;
class ScriptReader;
class ObjectList;
class TextRenderer;
struct PageObject;

// Compile: script text (code page 437) into page objects. DrawText,
// DrawRectangle, DrawBarcode and DrawSymbol lines that read become drawing
// objects; a DrawPicture line that reads, with the lines of its dots after
// it that read, one picture object; every other line a ScriptLine kept as
// written.
// Arguments are stored as read, without range checks. Page settings are not
// touched: SetMargin and SetPageSize here are kept lines too. A kept line is
// held whole, however long.

// Told to the user once per Open or Compile when lines were kept past the
// 500th.
std::string keptLinesWarning();

// Clears the list and the kept lines and adds one object per line of `text`
// (code page 437), a picture's dots' lines going with its statement. Lines
// end at CR LF, a lone CR or a lone LF; a break at the very end adds no empty
// line. The lines past the 500th object go to `kept`, in order and
// unchanged.
void loadListFromText(ObjectList& list, KeptLines& kept, std::string_view text,
                      TextRenderer& measurer);
// The same for UTF-8 text, as the script pane holds it, converted to code
// page 437 a line at a time, so that a huge script is never copied whole.
void loadListFromUtf8(ObjectList& list, KeptLines& kept, std::string_view utf8,
                      TextRenderer& measurer);

// Appends the object for one line (without its break); a full list stays
// as it is. A picture's statement alone, without its dots, is a kept line.
void addStatement(ObjectList& list, std::string_view line, TextRenderer& measurer);

// The box a text object's characters cover, measured with the printer fonts.
void setTextBounds(PageObject& text, TextRenderer& measurer);
// The box a barcode object's bars cover.
void setBarcodeBounds(PageObject& barcode);
// The box a symbol's modules cover, the symbol encoded to learn its size.
void setSymbolBounds(PageObject& symbol);
// The symbol of a DrawSymbol statement `reader` has read, with its bounds.
void fillSymbol(const ScriptReader& reader, PageObject& symbol);

} // namespace quillset
