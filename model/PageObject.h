#pragma once

#include "model/Picture.h"
#include "model/StyledText.h"
#include "model/TextField.h"

#include <cstdint>
#include <memory>
#include <string>

namespace quillset {

// What an object is. Rectangle, Text and Barcode share their codes with the
// keywords that create them.
enum class ObjectKind : std::int32_t {
    None = 0,
    ScriptLine = 1,
    Rectangle = 4,
    Text = 5,
    Barcode = 6,
    Symbol = 7,
    Picture = 8,
    FontText = 9,
};

// One object of the page: every field exists in every kind; the kind says
// which of them carry meaning. Coordinates are dots from the page's top-left.
struct PageObject {
    ObjectKind kind = ObjectKind::None;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    std::int32_t x = 0;
    std::int32_t y = 0;
    std::int32_t barcodeX = 0;
    std::int32_t barcodeY = 0;
    std::int32_t border = 0; // rectangle: 0 filled, else the border's width
    std::int32_t colour = 0; // 0 white, anything else black
    std::int32_t angle = 0;  // 0, 1, 2, 3 quarter turns counter-clockwise
    std::int32_t humanReadable = 0;
    std::int32_t barcodeType = 0; // barcode/BarcodeType.h
    std::int32_t barcodeHeight = 0;
    StyledText styled;
    TextField literal; // text: the literal as written; barcode: its data
    // Script line: the line as written, whole however long. Empty for every
    // other kind, so copying a drawing object copies no text here.
    std::string rawLine;
    // Symbol: x, y, angle and the data (literal) as above, and these. The
    // box is the symbol's, quiet zone excluded.
    std::int32_t symbology = 0;  // symbol/Symbology.h
    std::int32_t symbolModule = 0; // dots a module, 1 to 20
    std::int32_t symbolOption = 0; // what it means depends on the symbology
    // Picture: its dots, shared and never changed, so that copying an
    // object copies a pointer. Empty for every other kind. The box is the
    // dots' own: left and top where the first dot lies, right and bottom
    // where the last does.
    std::shared_ptr<const Picture> picture;
    // Font text: x, y (the box's top-left corner before turning), colour
    // and angle as for text, and these; both strings are UTF-8, decoded,
    // empty for every other kind. The box is the laid-out text's.
    std::string fontFamily;       // empty: the default family
    std::string fontText;         // at most kMaxFieldChars characters
    std::int32_t fontSize = 0;    // the em in dots, kMinFontSize to kMaxFontSize
    std::int32_t fontStyle = 0;   // model/FontTextStyle.h
    std::int32_t fontAlign = 0;   // 0 left, 1 centre, 2 right
    std::int32_t fontWidth = 0;   // 0, or the most dots a line may take
};

} // namespace quillset
