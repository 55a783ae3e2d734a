#pragma once

#include "app/dialogs/CPictureDlg.h"
#include "app/dialogs/CTextEditDlg.h"
#include "editor/BarcodeProperties.h"
#include "editor/FontTextProperties.h"
#include "editor/SymbolProperties.h"
#include "editor/TextProperties.h"

#include <optional>

class QWidget;

namespace quillset {

class TextRenderer;
struct PageObject;

// The set-up dialogs of the Text, Barcode and Symbol tools. Each opens on a
// new object's start values (black text at angle 0, no characters, on the
// side of the Text Edit dialog used last, an installed-font text in the
// family, size, styles, alignment and width of the last one; a barcode
// at angle 0 without data, of the type, height and human-readable line of
// the last one made, at first a Code 39 80 dots (10 mm) high without the
// line; a symbol at angle 0 without data, of the symbology, module and
// option of the last one made, at first a QR Code of 4-dot modules at error correction M)
// with its position read-only; the position boxes keep what they showed last
// time. The Picture tool first asks for the file, in the folder of the last
// one.
class ToolSetUp {
public:
    ToolSetUp();

    // The object the next press places (a text or a font text), or none
    // when the dialog was cancelled. It may hold no characters: the editor
    // then drops the tool.
    std::optional<PageObject> text(TextRenderer& measurer, QWidget* parent);
    std::optional<PageObject> barcode(QWidget* parent);
    std::optional<PageObject> symbol(QWidget* parent);
    // The Picture tool: a file chosen, then imported in the picture dialog
    // with the dithering of the last one.
    std::optional<PageObject> picture(QWidget* parent);

private:
    TextEditFields text_;
    FontTextFields fontText_;
    TextSide textSide_ = TextSide::PrinterFont;
    BarcodeFields barcode_;
    SymbolFields symbol_;
    PictureFields picture_;
};

} // namespace quillset
